#include "support/app_harness.h"
#include "support/test_registry.h"

#include "calendar/calendar_export.h"
#include "calendar/ics_writer.h"
#include "program/command_line.h"
#include "vehicles/vehicle_file.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTimeZone>

#include <libical/ical.h>

#include <map>

namespace {

using F = TSchedaVeicolo;
const QString kMenu = QStringLiteral("frmMenuScadenze");
const QDateTime kNow(QDate(2026, 12, 10), QTime(9, 30, 0), QTimeZone::utc());

F card(const QString& plate, const QString& make, const QString& model,
       std::initializer_list<std::pair<F::Field, QString>> more) {
    F c = fixtures::vehicle({{F::Tipo, "Furgone"}, {F::Marca, make}, {F::Modello, model}, {F::Targa, plate}});
    for (const auto& [field, value] : more)
        c[field] = value;
    return c;
}

// Escaping in the vehicle and the driver, an accented letter right at a fold, a past, an
// unreadable and a blank deadline, and a card with no driver.
QList<F> fleet() {
    return {card("AB123CD", "Fiat", "Ducato",
                 {{F::Autista, "Niccolò Bianchi"}, {F::TelAutista, "333 1234567"}, {F::ScadRevisione, "17/12/2026"},
                  {F::ScadTagliando, "09/12/2026"}, {F::ScadAssicurazione, "10/12/2026"}}),
            card("CD456EF", "Mercedes-Benz", "Sprinter 3,5 t; cassonato",
                 {{F::Autista, "Ricci, Giulia"}, {F::TelAutista, "0543 123456 \\ int. 2"},
                  {F::ScadRevisione, "01/03/2027"}, {F::ScadBollo, "31/02/2027"}}),
            card("EF7890GH", "Società", "Caddy Maxi Kombi TDI, passo lungo più",
                 {{F::Autista, "Francesca Colombo, sede di Forlì"},
                  {F::TelAutista, "0543 123456 (ufficio), 333 7654321 (cellulare)"},
                  {F::ScadTagliando, "11/12/2026"}}),
            card("GH012IJ", "Piaggio", "Porter", {{F::ScadBollo, "31/12/2026"}})};
}

QByteArray exportThroughTheMenu(AppHarness& app, bool open) {
    app.openArea(kMenu);
    app.dialogs().queue(open);
    AppHarness::click(app.control(kMenu, QStringLiteral("btnEsportaCalendario")));
    return fixtures::readFile(app.path(QStringLiteral("Scadenze.ics")));
}

struct ParsedEvent {
    QDate start, end;
    QString summary, description, alarmAction;
    int alarmSeconds = 0;
    bool allDay = false;
};

QDate dateOf(const icaltimetype& t) {
    return QDate(t.year, t.month, t.day);
}

// The calendar as libical reads it, by UID; fails the test on any error libical finds.
std::map<QString, ParsedEvent> parse(const QByteArray& ics) {
    std::map<QString, ParsedEvent> events;
    icalcomponent* cal = icalparser_parse_string(ics.constData());
    if (!cal)
        return events;
    const int errors = icalcomponent_count_errors(cal);
    for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        ParsedEvent p;
        p.start = dateOf(icalcomponent_get_dtstart(e));
        p.end = dateOf(icalcomponent_get_dtend(e));
        p.allDay = icalcomponent_get_dtstart(e).is_date && icalcomponent_get_dtend(e).is_date;
        p.summary = QString::fromUtf8(icalcomponent_get_summary(e));
        if (const char* d = icalcomponent_get_description(e))
            p.description = QString::fromUtf8(d);
        if (icalcomponent* alarm = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT)) {
            icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
            p.alarmSeconds = icaldurationtype_as_int(icalproperty_get_trigger(trigger).duration);
            icalproperty* action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
            p.alarmAction = QString::fromUtf8(icalproperty_as_ical_string(action)).trimmed();
        }
        events[QString::fromUtf8(icalcomponent_get_uid(e))] = p;
    }
    icalcomponent_free(cal);
    if (errors != 0)
        events.clear();
    return events;
}

} // namespace

class CalendarTest : public QObject {
    Q_OBJECT
private slots:
    void escapeText_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain, accents kept") << "Niccolò Bianchi" << "Niccolò Bianchi";
        QTest::newRow("backslash first") << "a\\;b" << "a\\\\\\;b";
        QTest::newRow("semicolon and comma") << "3,5 t; cassonato" << "3\\,5 t\\; cassonato";
        QTest::newRow("line breaks of every kind") << "a\nb\r\nc\rd" << "a\\nb\\nc\\nd";
        QTest::newRow("colon is not escaped") << "Autista: Mario" << "Autista: Mario";
    }
    void escapeText() {
        QFETCH(QString, value);
        QFETCH(QString, escaped);
        QCOMPARE(ics::escapeText(value), escaped);
    }

    void foldedLine_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QList<int>>("lengths"); // octets of each physical line, without CRLF
        QTest::newRow("75 octets stay whole") << QByteArray(75, 'a') << QList<int>{75};
        QTest::newRow("76 octets fold after 75") << QByteArray(76, 'a') << QList<int>{75, 2};
        QTest::newRow("continuations hold 74 more") << QByteArray(75 + 74 + 1, 'a') << QList<int>{75, 75, 2};
        QTest::newRow("two-octet letter across the fold goes whole to the next line")
            << QByteArray(74, 'a') + QByteArray("ò") + "b" << QList<int>{74, 4};
        QTest::newRow("three-octet sign across the fold")
            << QByteArray(73, 'a') + QByteArray("€") << QList<int>{73, 4};
        QTest::newRow("letter ending exactly at 75 stays") << QByteArray(73, 'a') + QByteArray("ò") + "b"
                                                           << QList<int>{75, 2};
    }
    void foldedLine() {
        QFETCH(QByteArray, line);
        QFETCH(QList<int>, lengths);
        const QByteArray folded = ics::foldedLine(line);
        QVERIFY(folded.endsWith("\r\n"));
        QList<int> got;
        QByteArray unfolded;
        for (const QByteArray& physical : folded.chopped(2).split('\n')) {
            const QByteArray l = physical.endsWith('\r') ? physical.chopped(1) : physical;
            got.append(int(l.size()));
            QVERIFY(QString::fromUtf8(l).toUtf8() == l); // no character cut in two
            unfolded += got.size() == 1 ? l : l.mid(1);
        }
        QCOMPARE(got, lengths);
        QCOMPARE(unfolded, line);
    }

    void menuExport_matchesTheGoldenFile() {
        AppHarness app;
        app.clock().set(kNow);
        fixtures::writeVehicles(app.dir(), fleet());
        const QByteArray written = exportThroughTheMenu(app, false);
        QCOMPARE(app.dialogs().texts(),
                 QStringList{"Il file Scadenze.ics con 5 scadenze da oggi in poi è stato salvato nella cartella del "
                             "programma.\r\n\r\nVuoi aprirlo ora con il calendario?"});
        QVERIFY(app.shell().targets.isEmpty());
        const QByteArray golden = fixtures::readFile(QFINDTESTDATA("data/calendar/scadenze.ics"));
        if (written != golden)
            fixtures::writeFile(QDir::tempPath() + QStringLiteral("/scadenze-actual.ics"), written);
        QCOMPARE(written, golden);
    }

    void menuExport_readsBackWithLibical_everyEvent() {
        AppHarness app;
        app.clock().set(kNow);
        fixtures::writeVehicles(app.dir(), fleet());
        const auto events = parse(exportThroughTheMenu(app, true));
        QCOMPARE(app.shell().targets, QStringList{app.path(QStringLiteral("Scadenze.ics"))});

        struct Expected {
            const char* uid;
            QDate date;
            const char* summary;
            const char* description;
        };
        const Expected expected[] = {
            {"scheda-1-revisione@vestrano.it", {2026, 12, 17}, "Revisione AB123CD (Fiat Ducato)",
             "Autista: Niccolò Bianchi\nTelefono: 333 1234567"},
            {"scheda-1-assicurazione@vestrano.it", {2026, 12, 10}, "Assicurazione AB123CD (Fiat Ducato)",
             "Autista: Niccolò Bianchi\nTelefono: 333 1234567"},
            {"scheda-2-revisione@vestrano.it", {2027, 3, 1}, "Revisione CD456EF (Mercedes-Benz Sprinter 3,5 t; cassonato)",
             "Autista: Ricci, Giulia\nTelefono: 0543 123456 \\ int. 2"},
            {"scheda-3-tagliando@vestrano.it", {2026, 12, 11},
             "Tagliando EF7890GH (Società Caddy Maxi Kombi TDI, passo lungo più)",
             "Autista: Francesca Colombo, sede di Forlì\nTelefono: 0543 123456 (ufficio), 333 7654321 (cellulare)"},
            {"scheda-4-bollo@vestrano.it", {2026, 12, 31}, "Bollo GH012IJ (Piaggio Porter)", ""},
        };
        QCOMPARE(events.size(), std::size(expected));
        for (const Expected& e : expected) {
            const auto found = events.find(QString::fromLatin1(e.uid));
            QVERIFY2(found != events.end(), e.uid);
            const ParsedEvent& p = found->second;
            QVERIFY(p.allDay);
            QCOMPARE(p.start, e.date);
            QCOMPARE(p.end, e.date.addDays(1));
            QCOMPARE(p.summary, QString::fromUtf8(e.summary));
            QCOMPARE(p.description, QString::fromUtf8(e.description));
            QCOMPARE(p.alarmSeconds, -7 * 24 * 3600);
            QCOMPARE(p.alarmAction, QStringLiteral("ACTION:DISPLAY"));
        }
    }

    void uids_stayAcrossExports_whenPlatesChangeAndCardsAreAdded() {
        AppHarness app;
        app.clock().set(kNow);
        QList<F> cards = fleet();
        fixtures::writeVehicles(app.dir(), cards);
        const auto first = parse(exportThroughTheMenu(app, false));
        cards[0][F::Targa] = QStringLiteral("AB123CE");
        cards.append(card("ZZ999ZZ", "Ford", "Transit", {{F::ScadRevisione, "20/12/2026"}}));
        fixtures::writeVehicles(app.dir(), cards);
        app.clock().set(kNow.addSecs(3600));
        const auto second = parse(exportThroughTheMenu(app, false));
        QCOMPARE(second.size(), first.size() + 1);
        for (const auto& [uid, event] : first) {
            QVERIFY2(second.count(uid), qPrintable(uid));
            QCOMPARE(second.at(uid).start, event.start);
        }
        QCOMPARE(second.at(QStringLiteral("scheda-1-revisione@vestrano.it")).summary,
                 QStringLiteral("Revisione AB123CE (Fiat Ducato)"));
    }

    void menuExport_failures_data() {
        QTest::addColumn<bool>("vehicleFileIsAFolder");
        QTest::addColumn<QString>("message");
        QTest::newRow("vehicle file unreadable")
            << true
            << "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
               "privilegi di scrittura nella cartella di installazione del programma.";
        QTest::newRow("calendar cannot be written")
            << false
            << "Attenzione: non è stato possibile salvare il file Scadenze.ics (%1).\n\r\n\rIl file precedente, se "
               "c'era, è rimasto com'era.";
    }
    void menuExport_failures() {
        QFETCH(bool, vehicleFileIsAFolder);
        QFETCH(QString, message);
        AppHarness app;
        if (vehicleFileIsAFolder)
            QDir(app.dir()).mkdir(QLatin1String(VehicleFile::kFileName));
        else
            QDir(app.dir()).mkdir(QStringLiteral("Scadenze.ics"));
        app.openArea(kMenu);
        AppHarness::click(app.control(kMenu, QStringLiteral("btnEsportaCalendario")));
        QCOMPARE(app.dialogs().prompts().size(), 1);
        QCOMPARE(app.dialogs().prompts()[0].kind, QStringLiteral("warning"));
        const QString shown = app.dialogs().prompts()[0].text;
        if (message.contains(QLatin1String("%1"))) {
            const QStringList around = message.split(QStringLiteral("%1"));
            QVERIFY2(shown.startsWith(around[0]) && shown.endsWith(around[1]), qPrintable(shown));
        } else {
            QCOMPARE(shown, message);
        }
        QVERIFY(app.shell().targets.isEmpty());
    }

    void menuButton_hint() {
        AppHarness app;
        app.openArea(kMenu);
        AppHarness::hover(app.control(kMenu, QStringLiteral("btnEsportaCalendario")));
        QCOMPARE(app.control<QLabel>(kMenu, QStringLiteral("panInfo"))->text(),
                 QStringLiteral("Salva le scadenze da oggi in poi nel file Scadenze.ics, da aprire o importare nel "
                                "calendario del computer o del telefono."));
        AppHarness::hover(app.control(kMenu, QStringLiteral("panContainer")));
        QCOMPARE(app.control<QLabel>(kMenu, QStringLiteral("panInfo"))->text(), QString());
    }

    void command_data() {
        QTest::addColumn<QString>("dataDir"); // DATA: a folder with the vehicle file, OUT: an empty one
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("done") << "DATA/" << "OUT/s.ics" << 0 << "";
        QTest::newRow("no file named") << "DATA/" << "" << 2
                                       << "vestrano: manca il nome del file del calendario (--export-calendar FILE)";
        QTest::newRow("no vehicle file, nothing created")
            << "OUT/" << "OUT/s.ics" << 1 << "vestrano: impossibile leggere l'archivio dei veicoli OUT/Parco_Automezzi.pro";
        QTest::newRow("calendar cannot be written") << "DATA/" << "OUT" << 1
                                                    << "vestrano: impossibile salvare il calendario OUT (";
    }
    void command() {
        QFETCH(QString, dataDir);
        QFETCH(QString, target);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir data, out;
        fixtures::writeVehicles(data.path() + u'/', fleet());
        const auto place = [&](QString s) {
            return s.replace(QLatin1String("DATA"), data.path()).replace(QLatin1String("OUT"), out.path());
        };
        QString said;
        QCOMPARE(calendar::exportToFile(place(dataDir), place(target), kNow, said), exitCode);
        if (message.isEmpty())
            QCOMPARE(said, QString());
        else
            QVERIFY2(said.startsWith(place(message)), qPrintable(said));
        if (exitCode == 0)
            QCOMPARE(parse(fixtures::readFile(place(target))).size(), std::size_t(5));
        const QStringList expectedFiles = exitCode == 0 ? QStringList{QStringLiteral("s.ics")} : QStringList{};
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), expectedFiles); // nothing else created
    }

    void command_line_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("usageError");
        QTest::newRow("verb with its file") << QStringList{"--data-dir", "d", "--export-calendar", "s.ics"} << false;
        QTest::newRow("= form") << QStringList{"--export-calendar=s.ics"} << false;
        QTest::newRow("no file") << QStringList{"--export-calendar"} << true;
        QTest::newRow("unknown option") << QStringList{"--export-calendar", "s.ics", "--loud"} << true;
        QTest::newRow("stray argument") << QStringList{"--export-calendar", "s.ics", "more"} << true;
    }
    void command_line() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, usageError);
        const command_line::Request request = command_line::parse(QStringList{"vestrano"} + arguments);
        QCOMPARE(request.action, usageError ? command_line::Action::UsageError : command_line::Action::Verb);
        if (!usageError) {
            QCOMPARE(request.verb->name, QStringLiteral("export-calendar"));
            QCOMPARE(request.verbValue, QStringLiteral("s.ics"));
        }
    }

    // The real program, with no display at all, writes the same file as the menu button.
    void command_runsWithoutADisplay() {
        const QString program = qEnvironmentVariable("VESTRANO_TEST_BINARY_DIR") + QStringLiteral("/vestrano");
        if (!QFile::exists(program))
            QSKIP("the program is not built beside the tests");
        QTemporaryDir data;
        fixtures::writeVehicles(data.path() + u'/', fleet());
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        run.setProcessEnvironment(env);
        const QString target = data.path() + QStringLiteral("/Scadenze.ics");
        run.start(program, {QStringLiteral("--data-dir"), data.path(), QStringLiteral("--export-calendar"), target});
        QVERIFY(run.waitForFinished(30000));
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.readAllStandardError(), QByteArray());
        QCOMPARE(run.exitCode(), 0);
        QCOMPARE(parse(fixtures::readFile(target)).size(), std::size_t(5));
    }
};

VESTRANO_TEST(CalendarTest)
#include "calendar_test.moc"
