#include "support/test_registry.h"

#include "help/help_topics.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>

class UserGuideTest : public QObject {
    Q_OBJECT
private slots:
    // The build writes Guida.pdf next to the executable; it carries every help topic.
    void guide_holdsEveryTopic() {
        const QString guide = qEnvironmentVariable("VESTRANO_TEST_BINARY_DIR") + QStringLiteral("/Guida.pdf");
        QVERIFY2(QFileInfo::exists(guide), qPrintable(guide));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {guide, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (help::Topic topic : help::allTopics()) {
            QVERIFY2(words.contains(help::title(topic)), qPrintable(help::title(topic)));
            const QString opening = help::text(topic).left(60).simplified();
            QVERIFY2(words.contains(opening), qPrintable(opening));
        }
        QVERIFY(words.contains(QStringLiteral("Figura 3 - La scheda di un veicolo.")));
    }
};

VESTRANO_TEST(UserGuideTest)
#include "user_guide_test.moc"
