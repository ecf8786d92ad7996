#include "support/test_registry.h"

#include "program/command_line.h"

#include <QTest>

using command_line::Action;

namespace {

// Two verbs of the kind scheduled jobs use: one with a value, one without.
const std::vector<command_line::HeadlessVerb>& sampleVerbs() {
    static const std::vector<command_line::HeadlessVerb> verbs = {
        {QStringLiteral("export-sample"), QStringLiteral("FILE"), QStringLiteral("scrive l'esempio in FILE"),
         [](const command_line::VerbRequest&) { return command_line::kDone; }},
        {QStringLiteral("tidy"), QString(), QStringLiteral("mette in ordine"),
         [](const command_line::VerbRequest&) { return command_line::kDone; }},
    };
    return verbs;
}

command_line::Request parsed(const QString& line) {
    QStringList arguments{QStringLiteral("vestrano")};
    if (!line.isEmpty())
        arguments += line.split(u' ');
    return command_line::parse(arguments, sampleVerbs());
}

} // namespace

Q_DECLARE_METATYPE(command_line::Action)

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void action_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("detail"); // the verb, or the usage error
        QTest::newRow("nothing starts") << "" << Action::Start << "";
        QTest::newRow("data folder starts") << "--data-dir /tmp/d" << Action::Start << "";
        QTest::newRow("--help") << "--help" << Action::Help << "";
        QTest::newRow("-h") << "-h" << Action::Help << "";
        QTest::newRow("help wins over a verb") << "--tidy --help" << Action::Help << "";
        QTest::newRow("--version") << "--version" << Action::Version << "";
        QTest::newRow("unknown option") << "--bogus" << Action::UsageError << "opzione sconosciuta: --bogus";
        QTest::newRow("stray argument") << "file.txt" << Action::UsageError << "argomento inatteso: file.txt";
        QTest::newRow("verb without its value") << "--export-sample" << Action::UsageError
                                                << "manca il valore dopo --export-sample";
        QTest::newRow("unknown short option") << "-x" << Action::UsageError << "opzione sconosciuta: -x";
        QTest::newRow("two verbs") << "--tidy --export-sample a.txt" << Action::UsageError
                                   << "--export-sample e --tidy non si possono usare insieme";
        QTest::newRow("verb with value") << "--export-sample a.txt" << Action::Verb << "export-sample";
        QTest::newRow("verb with data folder") << "--data-dir /tmp/d --tidy" << Action::Verb << "tidy";
    }
    void action() {
        QFETCH(QString, line);
        QFETCH(QString, detail);
        const command_line::Request request = parsed(line);
        QTEST(request.action, "action");
        if (request.action == Action::UsageError)
            QCOMPARE(request.error, detail);
        if (request.action == Action::Verb)
            QCOMPARE(request.verb->name, detail);
    }

    void request_carriesValues() {
        const command_line::Request verb = parsed(QStringLiteral("--data-dir /srv/flotta --export-sample out.ics"));
        QCOMPARE(verb.dataDir, QStringLiteral("/srv/flotta"));
        QCOMPARE(verb.verbValue, QStringLiteral("out.ics"));

        const command_line::Request start = parsed(QStringLiteral("--screenshot s.png --report-shown"));
        QCOMPARE(start.screenshot, QStringLiteral("s.png"));
        QVERIFY(start.reportShown);
        QVERIFY(start.dataDir.isEmpty());
    }

    void help_listsUserOptionsAndVerbsOnly() {
        const QString help = command_line::helpText(sampleVerbs());
        QVERIFY(help.startsWith(QStringLiteral("Uso: vestrano [OPZIONE]...\n")));
        QVERIFY(help.contains(QStringLiteral("  -h, --help ")));
        QVERIFY(help.contains(QStringLiteral("      --data-dir DIR ")));
        QVERIFY(help.contains(QStringLiteral("      --export-sample FILE ")));
        QVERIFY(help.contains(QStringLiteral("scrive l'esempio in FILE")));
        QVERIFY(!help.contains(QStringLiteral("report-shown")));
        QVERIFY(!help.contains(QStringLiteral("check-login")));
        QCOMPARE(command_line::versionText(), QStringLiteral("Vestrano 3.0\n"));
    }
};

VESTRANO_TEST(CommandLineTest)
#include "command_line_test.moc"
