// Developer tool: pictures of the screens a new user reads most, at the display's size, to look
// at by eye: every list with long rows, the chart of a year of large amounts, and Qt's own
// message box, question, copies box, file dialog and print dialog.
// Usage: xvfb-run -s "-screen 0 1366x768x24" usability_shots OUT_DIR
#include "bench_application.h"
#include "app/dialogs.h"
#include "program/qt_translations.h"
#include "support/app_harness.h"
#include "support/cost_fixtures.h"
#include "support/record_fixtures.h"

#include <QComboBox>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>

namespace {

QString g_out;

void shoot(const QString& name) {
    QCoreApplication::processEvents();
    QTest::qWait(300);
    QGuiApplication::primaryScreen()->grabWindow(0).save(g_out + name + QStringLiteral(".png"));
}

// A modal dialog runs its own loop: the picture is taken from inside it, then it is closed.
void shootModal(const QString& name, const std::function<void()>& open) {
    QTimer::singleShot(600, qApp, [name] {
        shoot(name);
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    open();
}

void writeFixtures(AppHarness& app) {
    using F = TSchedaVeicolo;
    QList<TSchedaVeicolo> cards;
    for (int i = 0; i < 12; ++i)
        cards.append(fixtures::vehicle({{F::Tipo, QStringLiteral("Autocarro con gru")},
                                        {F::Marca, QStringLiteral("Mercedes-Benz")},
                                        {F::Modello, QStringLiteral("Actros 2545 L %1").arg(i)},
                                        {F::Targa, QStringLiteral("AB%1CD").arg(100 + i)},
                                        {F::ScadRevisione, QStringLiteral("%1/12/2026").arg(8 + i % 8, 2, 10, QChar(u'0'))},
                                        {F::Chilometri, QStringLiteral("1234567")},
                                        {F::Proprietario, QStringLiteral("Trasporti Eccezionali Bianchi e Figli S.r.l.")}}));
    fixtures::writeVehicles(app.dir(), cards);
    QList<TSchedaCosto> entries;
    for (int i = 0; i < 40; ++i) {
        TSchedaCosto e = fixtures::costEntry(QString::number(i));
        const QString month = QLocale(QLocale::Italian).monthName(i % 12 + 1);
        e[TSchedaCosto::Mese] = month.left(1).toUpper() + month.mid(1);
        e[TSchedaCosto::Data] = QStringLiteral("05/%1/2014").arg(i % 12 + 1, 2, 10, QChar(u'0'));
        e[TSchedaCosto::Marca] = QStringLiteral("Mercedes-Benz");
        e[TSchedaCosto::Modello] = QStringLiteral("Actros 2545");
        e[TSchedaCosto::Causale] = QStringLiteral("Manutenzione straordinaria impianto");
        e[TSchedaCosto::Beneficiario] = QStringLiteral("Officina Meccanica Rossi Gino");
        e[TSchedaCosto::Importo] = QStringLiteral("%1,45").arg(1234567 + i * 98765);
        entries.append(e);
    }
    fixtures::writeCosts(app.path(QStringLiteral("2014.eur")), entries);
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Application qapp(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: usability_shots OUT_DIR\n");
        return 2;
    }
    qt_translations::install(qapp);
    g_out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';
    QDir().mkpath(g_out);

    AppHarness app;
    app.clock().setToday(QDate(2026, 12, 10));
    writeFixtures(app);
    app.startAtMainMenu();
    shoot(QStringLiteral("main_menu"));

    // Deadline list.
    app.openArea(QStringLiteral("frmMenuScadenze"));
    shoot(QStringLiteral("deadline_menu"));
    AppHarness::click(app.control(QStringLiteral("frmMenuScadenze"), QStringLiteral("btnRevisione")));
    shoot(QStringLiteral("deadline_list"));
    app.screen(QStringLiteral("frmScadRevisione"))->close();
    app.screen(QStringLiteral("frmMenuScadenze"))->close();

    // Vehicle search results.
    app.openArea(QStringLiteral("frmAutoparco"));
    AppHarness::click(app.control(QStringLiteral("frmAutoparco"), QStringLiteral("cmdTrova")));
    AppHarness::click(app.control(QStringLiteral("frmTrovaAutomezzi"), QStringLiteral("btnCerca")));
    shoot(QStringLiteral("vehicle_search"));
    app.screen(QStringLiteral("frmTrovaAutomezzi"))->close();
    app.screen(QStringLiteral("frmAutoparco"))->close();

    // Cost lists.
    app.openCostYear(QStringLiteral("2014"));
    AppHarness::click(app.control(QStringLiteral("frmCosti"), QStringLiteral("cmdSospese")));
    shoot(QStringLiteral("unpaid_list"));
    app.screen(QStringLiteral("frmDaSaldare"))->close();
    AppHarness::click(app.control(QStringLiteral("frmCosti"), QStringLiteral("cmdTrova")));
    QWidget* search = app.screen(QStringLiteral("frmTrovaCosti"));
    QWidget* wait = search->findChild<QWidget*>(QStringLiteral("lblAttendere"));
    wait->show();
    shoot(QStringLiteral("cost_search_waiting"));
    wait->hide();
    AppHarness::click(app.control(QStringLiteral("frmTrovaCosti"), QStringLiteral("btnCerca")));
    shoot(QStringLiteral("cost_search"));
    search->close();
    app.screen(QStringLiteral("frmCosti"))->close();

    // Summary.
    app.openArea(QStringLiteral("frmMenuRiepSpese"));
    const auto pick = [&app](const char* combo, const char* text) {
        app.control<QComboBox>(QStringLiteral("frmMenuRiepSpese"), QString::fromLatin1(combo))
            ->setEditText(QString::fromLatin1(text));
    };
    auto* year = app.control<QLineEdit>(QStringLiteral("frmMenuRiepSpese"), QStringLiteral("txtAnno"));
    year->clear();
    AppHarness::type(year, QStringLiteral("2014"));
    pick("txtGiornoInizio", "01");
    pick("txtMeseInizio", "Gennaio");
    pick("txtGiornoFine", "31");
    pick("txtMeseFine", "Dicembre");
    AppHarness::click(app.control(QStringLiteral("frmMenuRiepSpese"), QStringLiteral("btnVisualizza")));
    shoot(QStringLiteral("summary"));
    app.screen(QStringLiteral("frmRiepSpese"))->close();

    // Chart of a year of large amounts.
    app.openArea(QStringLiteral("frmStatCosti"));
    app.control<QLineEdit>(QStringLiteral("frmStatCosti"), QStringLiteral("txtAnno"))->setText("2014");
    AppHarness::click(app.control(QStringLiteral("frmStatCosti"), QStringLiteral("btnApri")));
    shoot(QStringLiteral("chart"));

    // Qt's own dialogs, as the program opens them.
    QWidget* parent = app.screen(QStringLiteral("frmStatCosti"));
    WidgetDialogs real;
    shootModal(QStringLiteral("message_box"), [&] {
        real.notice(parent, NoticeKind::Warning, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
    });
    shootModal(QStringLiteral("question"), [&] {
        real.question(parent, QStringLiteral("Si vuole stampare il presente grafico statistico?"));
    });
    shootModal(QStringLiteral("copies_box"), [&] {
        real.input(parent, QStringLiteral("Numero copie da stampare"), QStringLiteral("Copie:"), QStringLiteral("1"));
    });
    shootModal(QStringLiteral("file_dialog"), [&] {
        real.saveFile(parent, QStringLiteral("Esporta in foglio di calcolo"), QStringLiteral("Cartella di lavoro (*.xlsx)"),
                      QStringLiteral("Costi.xlsx"), QStringLiteral("xlsx"));
    });
    shootModal(QStringLiteral("print_dialog"), [&] {
        QPrinter printer;
        QPrintDialog dialog(&printer, parent);
        dialog.exec();
    });
    shootModal(QStringLiteral("print_preview"), [&] {
        QPrinter printer;
        QPrintPreviewDialog preview(&printer, parent);
        preview.resize(1000, 700);
        preview.exec();
    });
    return 0;
}
