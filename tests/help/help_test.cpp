#include "support/app_harness.h"
#include "support/test_registry.h"

#include "help/help_topics.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString kHelp = QStringLiteral("frmGuida");

QColor linkColour(QWidget* link) {
    return link->palette().color(QPalette::WindowText);
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void topics_haveTheirTitlesAndFirstSentences_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("firstSentence");
        using help::Topic;
        QTest::newRow("main menu") << int(Topic::MainMenu) << "Uno sguardo a Vestrano 3.0"
                                   << "Vestrano 3.0 è un software studiato per archiviare i dati relativi ad ogni mezzo "
                                      "del proprio parco auto e tenere sotto controllo tutti i costi riguardanti gli "
                                      "interventi di manutenzione o riparazione degli automezzi nonché il pagamento "
                                      "delle tasse automobilistiche.";
        QTest::newRow("vehicle card")
            << int(Topic::VehicleCard) << "App Parco Automezzi"
            << "L'app Parco Automezzi permette di creare una dettagliata scheda descrittiva di ogni mezzo della propria "
               "flotta corredata di foto in cui registrare il tipo di veicolo, la destinazione e l'uso, la marca e il "
               "modello, il numero di targa e di telaio, l'anno di immatricolazione, il colore, il tipo di pneumatici "
               "montati, lo stato del veicolo, il tipo di alimentazione (benzina, diesel, elettricità, GPL, ibrida, "
               "metano), i cavalli fiscali o kW, la cilindrata, i chilometri percorsi e la data in cui è stata "
               "effettuata la lettura, il numero di posti, la portata massima e la classe di compatibilità ambientale.";
        QTest::newRow("deadlines") << int(Topic::Deadlines) << "App Scadenze Imminenti"
                                   << "L'app Scadenze Imminenti consente di monitorare, per ciascun veicolo, le scadenze "
                                      "relative alla revisione, al tagliando, al rinnovo dell'assicurazione e al "
                                      "pagamento del bollo sulla base dei dati inseriti nell'archivio del parco "
                                      "automezzi.";
        QTest::newRow("costs") << int(Topic::Costs) << "App Costi sostenuti"
                               << "L'app Costi sostenuti è un registro delle spese giornaliere relative a ciascun "
                                  "automezzo che consente di ottenere un estratto conto degli esborsi in base alla "
                                  "causale e all'intervallo di tempo specificato.";
        QTest::newRow("summary") << int(Topic::CostSummary) << "App Riepilogo costi sostenuti"
                                 << "L'app Riepilogo costi sostenuti consente di ottenere il resoconto delle spese "
                                    "sostenute in un certo intervallo di tempo.";
        QTest::newRow("statistics") << int(Topic::Statistics) << "App Statistiche costi mensili"
                                    << "L'app Statistiche costi mensili consente di visualizzare e stampare grafici "
                                       "statistici dei costi sostenuti in ciascun mese dell'anno per i veicoli della "
                                       "flotta automezzi.";
        QTest::newRow("vehicle export")
            << int(Topic::VehicleExport) << "Esportazione archivio veicoli in Excel"
            << "Il pulsante Esporta archivio consente di esportare tutti i veicoli registrati nel parco automezzi in un "
               "foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire "
               "i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).";
        QTest::newRow("cost export")
            << int(Topic::CostExport) << "Esportazione archivio costi sostenuti in Excel"
            << "Il pulsante Esporta archivio consente di esportare tutte le schede dei costi registrate in un anno "
               "solare in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in "
               "grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).";
    }
    void topics_haveTheirTitlesAndFirstSentences() {
        QFETCH(int, topic);
        QFETCH(QString, title);
        QFETCH(QString, firstSentence);
        AppHarness app;
        app.startAtMainMenu();
        help::openTopic(app.context(), app.screen(QStringLiteral("frmAvvio")), help::Topic(topic));
        QWidget* screen = app.screen(kHelp);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
        QCOMPARE(screen->size(), QSize(670, 572));
        QCOMPARE(app.control<QLabel>(kHelp, QStringLiteral("lblTitolo"))->text(), title);
        const QString text = help::text(help::Topic(topic));
        const QStringList paragraphs = text.split(QStringLiteral("\r\n\r\n"));
        QCOMPARE(paragraphs.first(), firstSentence);
        QVERIFY(paragraphs.size() >= 2);
        for (const QString& p : paragraphs)
            QVERIFY2(p.size() > 40 && !p.contains(u'\n') && !p.contains(u'\r'), qPrintable(p));
        auto* box = app.control<QPlainTextEdit>(kHelp, QStringLiteral("txtGuida"));
        QCOMPARE(box->toPlainText(), paragraphs.join(QStringLiteral("\n\n")));
        QVERIFY(help::allTopics().contains(help::Topic(topic)));
    }

    void helpText_isReadOnlyButSelectable() {
        AppHarness app;
        app.startAtMainMenu();
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), QStringLiteral("imgGuida")));
        auto* box = app.control<QPlainTextEdit>(kHelp, QStringLiteral("txtGuida"));
        const QString before = box->toPlainText();
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("xyz"));
        AppHarness::press(box, Qt::Key_Delete);
        QCOMPARE(box->toPlainText(), before);
        box->selectAll();
        QVERIFY(box->textCursor().hasSelection());
        AppHarness::click(app.control(kHelp, QStringLiteral("btnChiudi")));
        QVERIFY(!app.screen(kHelp));
    }

    void helpButtons_openTheirTopic_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::newRow("main menu") << "frmAvvio" << "imgGuida" << "Uno sguardo a Vestrano 3.0";
        QTest::newRow("vehicle card") << "frmAutoparco" << "cmdGuida" << "App Parco Automezzi";
        QTest::newRow("deadline menu") << "frmMenuScadenze" << "imgGuida" << "App Scadenze Imminenti";
        QTest::newRow("cost menu") << "frmMenuCosti" << "imgGuida" << "App Costi sostenuti";
        QTest::newRow("cost entry") << "frmCosti" << "cmdGuida" << "App Costi sostenuti";
        QTest::newRow("statistics, year panel") << "frmStatCosti" << "imgGuida" << "App Statistiche costi mensili";
    }
    void helpButtons_openTheirTopic() {
        QFETCH(QString, area);
        QFETCH(QString, button);
        QFETCH(QString, title);
        AppHarness app;
        if (area == QLatin1String("frmAvvio"))
            app.startAtMainMenu();
        else
            app.openArea(area);
        AppHarness::click(app.control(area, button));
        QVERIFY(app.screen(kHelp));
        QCOMPARE(app.control<QLabel>(kHelp, QStringLiteral("lblTitolo"))->text(), title);
        QCOMPARE(app.screen(kHelp)->parentWidget(), app.screen(area));
        QVERIFY(app.screen(kHelp)->isModal());
    }

    void exportScreensHelp_opensTheirTopic() {
        AppHarness app;
        app.openArea(QStringLiteral("frmAutoparco"));
        AppHarness::click(app.control(QStringLiteral("frmAutoparco"), QStringLiteral("cmdEsporta")));
        AppHarness::click(app.control(QStringLiteral("frmExpAutoparco"), QStringLiteral("cmdGuida")));
        QCOMPARE(app.control<QLabel>(kHelp, QStringLiteral("lblTitolo"))->text(),
                 QStringLiteral("Esportazione archivio veicoli in Excel"));
    }

    void guideLink_opensGuidaPdfQuoted_andChangesColourWhilePressed() {
        AppHarness app;
        const QString spaced = app.dir() + QStringLiteral("cartella con spazi/");
        QDir().mkpath(spaced);
        app.context().programDir = spaced;
        app.startAtMainMenu();
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), QStringLiteral("imgGuida")));
        QWidget* link = app.control(kHelp, QStringLiteral("lnkWeb"));
        QCOMPARE(static_cast<QLabel*>(link)->text(), QStringLiteral("Visualizza guida in formato PDF"));
        QCOMPARE(linkColour(link), QColor(0x00, 0x00, 0x8B));
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(linkColour(link), QColor(0xFF, 0xA5, 0x00));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(linkColour(link), QColor(0x00, 0x00, 0x8B));
        auto* icon = app.control<QPushButton>(kHelp, QStringLiteral("imgPDF"));
        QTest::mousePress(icon, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(linkColour(link), QColor(0xFF, 0xA5, 0x00));
        QTest::mouseRelease(icon, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(linkColour(link), QColor(0x00, 0x00, 0x8B));
        const QString guide = u'"' + spaced + QStringLiteral("Guida.pdf\"");
        QCOMPARE(app.shell().targets, (QStringList{guide, guide}));
        QVERIFY(app.screen(kHelp)); // a missing guide changes nothing here
        QCOMPARE(app.dialogs().prompts().size(), 0);
    }

    void guideLink_fallsBackToTheInstalledGuide() {
        AppHarness app;
        const QString installed = app.dir() + QStringLiteral("share/");
        QDir().mkpath(installed);
        fixtures::writeFile(installed + QStringLiteral("Guida.pdf"), "%PDF-1.4");
        app.context().deliveredDir = installed;
        app.startAtMainMenu();
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), QStringLiteral("imgGuida")));
        AppHarness::click(app.control(kHelp, QStringLiteral("imgPDF")));
        fixtures::writeFile(app.path(QStringLiteral("Guida.pdf")), "%PDF-1.4");
        AppHarness::click(app.control(kHelp, QStringLiteral("imgPDF")));
        QCOMPARE(app.shell().targets, (QStringList{u'"' + installed + QStringLiteral("Guida.pdf\""),
                                                   u'"' + app.path(QStringLiteral("Guida.pdf")) + u'"'}));
    }

    void about_contactLinkStartsTheEmail() {
        AppHarness app;
        app.startAtMainMenu();
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), QStringLiteral("imgInfo")));
        const QString about = QStringLiteral("frmInfo");
        QWidget* screen = app.screen(about);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Informazioni su Vestrano 3.0"));
        QCOMPARE(screen->size(), QSize(473, 579));
        AppHarness::click(app.control(about, QStringLiteral("lnkWeb")));
        AppHarness::click(app.control(about, QStringLiteral("imgEmail")));
        const QString mail = QStringLiteral("\"mailto:info@vestrano.it?subject=Software Vestrano 3.0&body=Salve, "
                                            "desidererei avere le seguenti informazioni sul software in oggetto:\"");
        QCOMPARE(app.shell().targets, (QStringList{mail, mail}));
        AppHarness::click(app.control(about, QStringLiteral("btnChiudi")));
        QVERIFY(!app.screen(about));
    }

    void credits_webLinkOpensTheMakersPage() {
        AppHarness app;
        app.startAtMainMenu();
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), QStringLiteral("imgCrediti")));
        const QString credits = QStringLiteral("frmSplash");
        QWidget* screen = app.screen(credits);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Vestrano 3.0 - Vestrano Software"));
        QCOMPARE(screen->size(), QSize(661, 467));
        AppHarness::click(app.control(credits, QStringLiteral("lnkWeb")));
        AppHarness::click(app.control(credits, QStringLiteral("imgWeb")));
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), QStringLiteral("imgSito")));
        const QString web = QStringLiteral("https://www.vestrano.it");
        QCOMPARE(app.shell().targets, (QStringList{web, web, web}));
        AppHarness::click(app.control(credits, QStringLiteral("btnChiudi")));
        QVERIFY(!app.screen(credits));
    }
};

VESTRANO_TEST(HelpTest)
#include "help_test.moc"
