#include "support/test_registry.h"

#include "records/cp1252.h"
#include "records/record_layout.h"
#include "records/short_text.h"

#include <QTest>

class ShortTextTest : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("readBack");
        const QString ten = QStringLiteral("ABCDEFGHIJ");
        QTest::newRow("exactly N") << ten << QByteArray("\x0A" "ABCDEFGHIJ", 11) << ten;
        QTest::newRow("N+1 loses the last") << ten + u'K' << QByteArray("\x0A" "ABCDEFGHIJ", 11) << ten;
        QTest::newRow("blanks around") << QStringLiteral(" \t AB C \r\n") << QByteArray("\x04" "AB C", 5)
                                       << QStringLiteral("AB C");
        QTest::newRow("trim before cut") << QStringLiteral("     ABCDEFGHIJKL") << QByteArray("\x0A" "ABCDEFGHIJ", 11)
                                         << ten;
        QTest::newRow("accented") << QStringLiteral("Città è") << QByteArray("\x07" "Citt\xE0 \xE8", 8)
                                  << QStringLiteral("Città è");
        QTest::newRow("euro sign") << QStringLiteral("€ 5") << QByteArray("\x03\x80 5", 4) << QStringLiteral("€ 5");
        QTest::newRow("outside the code page") << QStringLiteral("a\u4E2Db") << QByteArray("\x03" "a?b", 4)
                                               << QStringLiteral("a?b");
        QTest::newRow("empty") << QString() << QByteArray("\x00", 1) << QString();
    }
    void roundTrip() {
        QFETCH(QString, written);
        QFETCH(QByteArray, stored);
        QFETCH(QString, readBack);
        QByteArray field(11, '\x55');
        short_text::write(field.data(), 10, written);
        QCOMPARE(field.left(stored.size()), stored);
        // The bytes after the text are zeroed.
        QCOMPARE(field.mid(stored.size()), QByteArray(11 - stored.size(), '\0'));
        QCOMPARE(short_text::read(field, 10), readBack);
    }

    void oversizedLengthByte_readsCapacity() {
        const QByteArray field("\xFF" "ABCDEFGHIJ", 11);
        QCOMPARE(short_text::read(field, 10), QStringLiteral("ABCDEFGHIJ"));
    }

    void allHighCodes_roundTrip() {
        QByteArray all;
        for (int b = 0x80; b <= 0xFF; ++b)
            all.append(static_cast<char>(b));
        QCOMPARE(cp1252::encode(cp1252::decode(all)), all);
        QCOMPARE(cp1252::decode(QByteArray("\x80\x9C")), QStringLiteral("€œ"));
    }

    void layout_offsetsFollowEachOther() {
        const RecordLayout layout{{"A", 3}, {"B", 2}};
        QCOMPARE(layout.recordSize(), 7);
        QCOMPARE(layout.field(1).offset, 4);
        const QByteArray record = layout.encode({QStringLiteral("xy"), QStringLiteral("z")});
        QCOMPARE(record, QByteArray("\x02xy\x00\x01z\x00", 7));
        QCOMPARE(layout.decode(record), (QStringList{QStringLiteral("xy"), QStringLiteral("z")}));
    }
};

VESTRANO_TEST(ShortTextTest)
#include "short_text_test.moc"
