#include "support/app_harness.h"
#include "support/expected_texts.h"
#include "support/cost_fixtures.h"
#include "support/test_registry.h"

#include "costs/cost_file.h"
#include "lists/result_list.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>

namespace {

using C = TSchedaCosto;
const QString kMenu = QStringLiteral("frmMenuCosti");
const QString kCosts = QStringLiteral("frmCosti");
const QString kUpdated = expected_texts::recordUpdated();
const QString kAppended = QStringLiteral("La scheda corrente è stata salvata in archivio.");

const QStringList kReturnOrder = {
    "txtVeicolo", "txtMarca",       "txtModello",  "txtColore",      "txtAlimentazione", "txtTarga",
    "txtGiorno",  "txtMese",        "txtLuogo",    "txtCausale",     "txtDescrizione",   "txtModalita",
    "txtEstremi", "txtImporto",     "txtPagatore", "txtRecPagatore", "txtBeneficiario",  "txtRecBeneficiario",
    "txtConducente", "txtRecapito", "txtNote"};

QWidget* control(AppHarness& app, const QString& name) {
    return app.control(kCosts, name);
}
QString text(AppHarness& app, const QString& name) {
    QWidget* w = control(app, name);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    return QStringLiteral("<no such control %1>").arg(name);
}
void set(AppHarness& app, const QString& name, const QString& value) {
    QWidget* w = control(app, name);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(value);
    else if (auto* c = qobject_cast<QComboBox*>(w))
        c->setEditText(value);
    else
        QFAIL(qPrintable(name));
}
QString position(AppHarness& app) {
    return text(app, QStringLiteral("lblPosizione"));
}
QCheckBox* paidBox(AppHarness& app) {
    return app.control<QCheckBox>(kCosts, QStringLiteral("chkSaldato"));
}
void click(AppHarness& app, const QString& name) {
    AppHarness::click(control(app, name));
}

// The year selection, then the cost entry screen on that year.
void openYear(AppHarness& app, const QString& year) {
    app.openCostYear(year);
}

void fillValidEntry(AppHarness& app) {
    set(app, QStringLiteral("txtVeicolo"), QStringLiteral("Autovettura"));
    set(app, QStringLiteral("txtMarca"), QStringLiteral("Fiat"));
    set(app, QStringLiteral("txtModello"), QStringLiteral("Panda"));
    set(app, QStringLiteral("txtTarga"), QStringLiteral("AB123CD"));
    set(app, QStringLiteral("txtGiorno"), QStringLiteral("05"));
    set(app, QStringLiteral("txtMese"), QStringLiteral("Marzo"));
    set(app, QStringLiteral("txtCausale"), QStringLiteral("Cambio olio"));
    set(app, QStringLiteral("txtImporto"), QStringLiteral("45,5"));
    set(app, QStringLiteral("txtNote"), QStringLiteral("  città  "));
}

Prompt prompt(const QString& kind, const QString& text) {
    Prompt p;
    p.kind = kind;
    p.text = text;
    return p;
}

QString yearPath(AppHarness& app, const QString& year) {
    return app.path(year + QStringLiteral(".eur"));
}

} // namespace

class CostScreenTest : public QObject {
    Q_OBJECT
private slots:
    void menu_showsCurrentYearAndTakesDigitsOnly() {
        AppHarness app;
        app.openArea(kMenu);
        auto* year = app.control<QLineEdit>(kMenu, QStringLiteral("txtAnnoConsumi"));
        QCOMPARE(year->text(), QStringLiteral("2026"));
        QCOMPARE(AppHarness::focused(), year);
        QVERIFY(app.control(kMenu, QStringLiteral("effAnnoConsumi"))->isVisible());
        year->clear();
        AppHarness::type(year, QStringLiteral("2a0 b1-4"));
        QCOMPARE(year->text(), QStringLiteral("2014"));
        AppHarness::press(year, Qt::Key_Backspace);
        QCOMPARE(year->text(), QStringLiteral("201"));
        AppHarness::press(year, Qt::Key_Return);
        QCOMPARE(AppHarness::focused(), app.control(kMenu, QStringLiteral("btnApriConsumi")));
        QVERIFY(!app.control(kMenu, QStringLiteral("effAnnoConsumi"))->isVisible());
    }

    void menu_openYear_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("opens");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("one digit") << "7" << false;
        QTest::newRow("three digits") << "201" << false;
        QTest::newRow("four digits") << "2014" << true;
        QTest::newRow("year without a file") << "1999" << true;
    }
    void menu_openYear() {
        QFETCH(QString, year);
        QFETCH(bool, opens);
        AppHarness app;
        openYear(app, year);
        if (!opens) {
            QCOMPARE(app.dialogs().prompts(),
                     (QList<Prompt>{prompt("warning", "Attenzione: indicare l'anno solare utilizzando quattro cifre.")}));
            QCOMPARE(app.visibleScreens(), QStringList{kMenu});
            QCOMPARE(AppHarness::focused(), app.control(kMenu, QStringLiteral("txtAnnoConsumi")));
            return;
        }
        QVERIFY(app.dialogs().prompts().isEmpty());
        QCOMPARE(app.visibleScreens(), QStringList{kCosts});
        QCOMPARE(text(app, QStringLiteral("lblFile")), yearPath(app, year));
        QCOMPARE(text(app, QStringLiteral("lblAnno")), year);
        QCOMPARE(app.screen(kCosts)->windowTitle(), QStringLiteral(" Vestrano 3.0 - Costi sostenuti nell'anno ") + year);
        QVERIFY2(!QFile::exists(yearPath(app, year)), "opening a year creates no file yet");
        // The screen shows cleared, ready for a new entry.
        QCOMPARE(text(app, QStringLiteral("txtImporto")), QStringLiteral("0,00"));
        QCOMPARE(position(app), QString());
        QCOMPARE(AppHarness::focused(), control(app, QStringLiteral("txtVeicolo")));
    }

    void menu_exitGoesHome() {
        AppHarness app;
        app.openArea(kMenu);
        AppHarness::click(app.control(kMenu, QStringLiteral("imgEsci")));
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
    }

    void load_setsEveryFieldAndThePaidBoxOnlyForItsTwoValues_data() {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("Sì ticks") << "Sì" << false << true;
        QTest::newRow("No unticks") << "No" << true << false;
        QTest::newRow("empty leaves it ticked") << "" << true << true;
        QTest::newRow("empty leaves it unticked") << "" << false << false;
        QTest::newRow("other leaves it ticked") << "si" << true << true;
    }
    void load_setsEveryFieldAndThePaidBoxOnlyForItsTwoValues() {
        QFETCH(QString, flag);
        QFETCH(bool, before);
        QFETCH(bool, after);
        AppHarness app;
        TSchedaCosto e = fixtures::costEntry(QStringLiteral("1"), QStringLiteral("2013"));
        e[C::Saldato] = flag;
        e[C::Note] = QStringLiteral("una nota");
        e[C::Importo] = QStringLiteral("12,3456");
        fixtures::writeCosts(yearPath(app, QStringLiteral("2014")), {e});
        openYear(app, QStringLiteral("2014"));
        paidBox(app)->setChecked(before);
        click(app, QStringLiteral("cmdPrimo"));
        QCOMPARE(paidBox(app)->isChecked(), after);
        QCOMPARE(text(app, QStringLiteral("txtNote")), QStringLiteral("una nota"));
        QCOMPARE(text(app, QStringLiteral("txtImporto")), QStringLiteral("12,3456"));
        QCOMPARE(text(app, QStringLiteral("txtCausale")), QStringLiteral("Causale 1"));
        QCOMPARE(text(app, QStringLiteral("txtMese")), QStringLiteral("Marzo"));
        // The year and date come from the record.
        QCOMPARE(text(app, QStringLiteral("lblAnno")), QStringLiteral("2013"));
        QCOMPARE(text(app, QStringLiteral("lblData")), QStringLiteral("05/03/2013"));
    }

    void save_checksInOrder_data() {
        QTest::addColumn<QStringList>("changes"); // field=value, applied to a valid entry
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        const QString ask = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        QTest::newRow("day empty") << QStringList{"txtGiorno=", "txtMarca="} << "warning"
                                   << ask + "il giorno del pagamento." << "txtGiorno";
        QTest::newRow("day of one digit") << QStringList{"txtGiorno=5", "txtMese="} << "warning"
                                          << ask + "il giorno del pagamento usando due cifre." << "txtGiorno";
        QTest::newRow("month empty") << QStringList{"txtMese= ", "txtCausale="} << "warning"
                                     << ask + "il mese del pagamento." << "txtMese";
        QTest::newRow("reason empty") << QStringList{"txtCausale=", "txtMarca="} << "warning"
                                      << ask + "la causale del pagamento." << "txtCausale";
        QTest::newRow("make empty") << QStringList{"txtMarca=  ", "txtModello="} << "warning"
                                    << ask + "la marca del veicolo." << "txtMarca";
        QTest::newRow("model empty") << QStringList{"txtModello=", "txtTarga="} << "warning"
                                     << ask + "il modello del veicolo." << "txtModello";
        QTest::newRow("plate empty") << QStringList{"txtTarga=", "txtMese=Marz"} << "warning"
                                     << ask + "il numero di targa del veicolo." << "txtTarga";
        QTest::newRow("month not in the list")
            << QStringList{"txtMese=Marz"} << "warning"
            << "Attenzione: selezionare il mese dal menu a cascata.\n\r\n\rPer poter salvare la scheda è necessario "
               "indicare una data valida."
            << "txtMese";
        const QString invalid = QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare "
                                               "una data valida.");
        QTest::newRow("31 April") << QStringList{"txtGiorno=31", "txtMese=Aprile"} << "message"
                                  << "Attenzione: la data 31/04/2014" + invalid << "txtGiorno";
        QTest::newRow("29 February of a common year") << QStringList{"txtGiorno=29", "txtMese=Febbraio"} << "message"
                                                      << "Attenzione: la data 29/02/2014" + invalid << "txtGiorno";
    }
    void save_checksInOrder() {
        QFETCH(QStringList, changes);
        QFETCH(QString, kind);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        AppHarness app;
        openYear(app, QStringLiteral("2014"));
        fillValidEntry(app);
        for (const QString& change : changes)
            set(app, change.section(u'=', 0, 0), change.section(u'=', 1));
        click(app, QStringLiteral("cmdSalva"));
        QCOMPARE(app.dialogs().prompts(), (QList<Prompt>{prompt(kind, warning)}));
        QCOMPARE(AppHarness::focused(), control(app, focus));
        QVERIFY2(!QFile::exists(yearPath(app, QStringLiteral("2014"))), "a failed check touches no file");
        // The amount was normalised before the checks.
        QCOMPARE(text(app, QStringLiteral("txtImporto")), QStringLiteral("45,50"));
    }

    void save_appendsThenUpdatesInPlace_withTheRecordBytes() {
        AppHarness app;
        const QString path = yearPath(app, QStringLiteral("2024"));
        fixtures::writeCosts(path, {fixtures::costEntry(QStringLiteral("old"), QStringLiteral("2024"))});
        openYear(app, QStringLiteral("2024"));
        fillValidEntry(app);
        set(app, QStringLiteral("txtGiorno"), QStringLiteral("29"));
        set(app, QStringLiteral("txtMese"), QStringLiteral("Febbraio")); // 2024 is a leap year
        set(app, QStringLiteral("txtImporto"), QStringLiteral("123456789012345"));
        paidBox(app)->setChecked(true);
        click(app, QStringLiteral("cmdSalva"));
        QCOMPARE(app.dialogs().texts(), QStringList{kAppended});
        QCOMPARE(position(app), QStringLiteral("2"));
        QCOMPARE(text(app, QStringLiteral("lblData")), QStringLiteral("29/02/2024"));
        QCOMPARE(text(app, QStringLiteral("txtImporto")), QStringLiteral("123456789012345,00"));

        QByteArray bytes = fixtures::readFile(path);
        QCOMPARE(bytes.size(), 2 * 1627);
        const QByteArray r = bytes.mid(1627);
        QCOMPARE(r.mid(0, 3), QByteArray("\x02" "29"));
        QCOMPARE(r.mid(3, 9), QByteArray("\x08" "Febbraio"));
        QCOMPARE(r.mid(14, 5), QByteArray("\x04" "2024"));
        QCOMPARE(r.mid(19, 11), QByteArray("\x0A" "29/02/2024"));
        QCOMPARE(r.mid(81, 12), QByteArray("\x0B" "Autovettura"));
        QCOMPARE(r.mid(132, 5), QByteArray("\x04" "Fiat"));
        QCOMPARE(r.mid(336, 8), QByteArray("\x07" "AB123CD"));
        QCOMPARE(r.mid(367, 12), QByteArray("\x0B" "Cambio olio"));
        QCOMPARE(r.mid(911, 16), QByteArray("\x0F" "123456789012345"));
        QCOMPARE(r.mid(1373, 3), QByteArray("\x02\x53\xEC", 3));
        QCOMPARE(r.mid(1376, 6), QByteArray("\x05" "citt\xE0", 6)); // trimmed

        // The same entry again: written over its own record.
        app.dialogs().clear();
        paidBox(app)->setChecked(false);
        set(app, QStringLiteral("txtMarca"), QStringLiteral("Lancia"));
        click(app, QStringLiteral("cmdSalva"));
        QCOMPARE(app.dialogs().texts(), QStringList{kUpdated});
        QCOMPARE(position(app), QStringLiteral("2"));
        bytes = fixtures::readFile(path);
        QCOMPARE(bytes.size(), 2 * 1627);
        QCOMPARE(bytes.mid(1627 + 1373, 3), QByteArray("\x02\x4E\x6F", 3));
        QCOMPARE(fixtures::readCosts(path).at(1)[C::Marca], QStringLiteral("Lancia"));
        QCOMPARE(fixtures::readCosts(path).at(0)[C::Marca], QStringLiteral("Marca old"));
    }

    void save_firstEntryOfANewYearIsRecordOne() {
        AppHarness app;
        openYear(app, QStringLiteral("2030"));
        fillValidEntry(app);
        click(app, QStringLiteral("cmdSalva"));
        QCOMPARE(position(app), QStringLiteral("1"));
        click(app, QStringLiteral("cmdSalva"));
        QCOMPARE(app.dialogs().texts(), (QStringList{kAppended, kUpdated}));
        QCOMPARE(fixtures::readCosts(yearPath(app, QStringLiteral("2030"))).size(), 1);
    }

    void save_acceptsAMonthLoadedInLowerCase() {
        AppHarness app;
        TSchedaCosto e = fixtures::costEntry(QStringLiteral("1"));
        e[C::Mese] = QStringLiteral("gennaio");
        fixtures::writeCosts(yearPath(app, QStringLiteral("2014")), {e});
        openYear(app, QStringLiteral("2014"));
        click(app, QStringLiteral("cmdPrimo"));
        QCOMPARE(text(app, QStringLiteral("txtMese")), QStringLiteral("gennaio"));
        click(app, QStringLiteral("cmdSalva"));
        QCOMPARE(app.dialogs().texts(), QStringList{kUpdated});
        QCOMPARE(fixtures::readCosts(yearPath(app, QStringLiteral("2014"))).at(0)[C::Data], QStringLiteral("05/01/2014"));
        // Leaving the field, though, empties it: it is not a month as listed.
        control(app, QStringLiteral("txtMese"))->setFocus();
        control(app, QStringLiteral("txtLuogo"))->setFocus();
        QCOMPARE(text(app, QStringLiteral("txtMese")), QString());
    }

    void clear_emptiesEverythingButTheYear() {
        AppHarness app;
        fixtures::writeCosts(yearPath(app, QStringLiteral("2014")), {fixtures::costEntry(QStringLiteral("1"))});
        openYear(app, QStringLiteral("2014"));
        click(app, QStringLiteral("cmdPrimo"));
        paidBox(app)->setChecked(true);
        click(app, QStringLiteral("cmdNuovo"));
        for (const QString& name : kReturnOrder)
            QCOMPARE(text(app, name), name == QLatin1String("txtImporto") ? QStringLiteral("0,00") : QString());
        QVERIFY(!paidBox(app)->isChecked());
        QCOMPARE(position(app), QString());
        QCOMPARE(text(app, QStringLiteral("lblAnno")), QStringLiteral("2014"));
        QCOMPARE(AppHarness::focused(), control(app, QStringLiteral("txtVeicolo")));
        for (const char* list : {"txtVeicolo", "txtGiorno", "txtMese", "txtCausale"})
            QCOMPARE(app.control<QComboBox>(kCosts, QString::fromLatin1(list))->currentIndex(), -1);
    }

    void returnChain_visitsEveryFieldAndWraps_withItsFocusFrame() {
        AppHarness app;
        openYear(app, QStringLiteral("2014"));
        for (qsizetype i = 0; i < kReturnOrder.size(); ++i) {
            QWidget* field = control(app, kReturnOrder[i]);
            field->setFocus();
            const QString frame = QStringLiteral("eff") + kReturnOrder[i].mid(3);
            QVERIFY2(app.control(kCosts, frame)->isVisible(), qPrintable(frame));
            AppHarness::press(field, Qt::Key_Return);
            QCOMPARE(AppHarness::focused(), control(app, kReturnOrder[(i + 1) % kReturnOrder.size()]));
            QVERIFY2(!app.control(kCosts, frame)->isVisible(), qPrintable(frame));
        }
    }

    void dayAndMonth_takeNoTyping_andEmptyWhenLeftInvalid() {
        AppHarness app;
        openYear(app, QStringLiteral("2014"));
        auto* day = app.control<QComboBox>(kCosts, QStringLiteral("txtGiorno"));
        auto* month = app.control<QComboBox>(kCosts, QStringLiteral("txtMese"));
        day->setFocus();
        AppHarness::type(day, QStringLiteral("12ab"));
        AppHarness::press(day, Qt::Key_Down);
        QCOMPARE(day->currentText(), QString());
        day->setCurrentIndex(6); // picked from the drop-down
        QCOMPARE(day->currentText(), QStringLiteral("07"));
        AppHarness::type(day, QStringLiteral("3"));
        QCOMPARE(day->currentText(), QStringLiteral("07"));
        AppHarness::press(day, Qt::Key_Backspace);
        QCOMPARE(day->currentText(), QString());
        day->setCurrentIndex(30);
        AppHarness::press(day, Qt::Key_Delete);
        QCOMPARE(day->currentText(), QString());

        month->setFocus();
        QCOMPARE(month->currentIndex(), -1);
        AppHarness::type(month, QStringLiteral("Marzo"));
        QCOMPARE(month->currentText(), QString());
        month->setCurrentIndex(2);
        control(app, QStringLiteral("txtLuogo"))->setFocus();
        QCOMPARE(month->currentText(), QStringLiteral("Marzo"));
        // Entering again clears the list selection, not the text.
        month->setFocus();
        QCOMPARE(month->currentIndex(), -1);
        QCOMPARE(month->currentText(), QStringLiteral("Marzo"));

        day->setEditText(QStringLiteral("7"));
        day->setFocus();
        month->setFocus();
        QCOMPARE(day->currentText(), QString());
    }

    void amount_enteredByClickOrTab_typingReplacesIt_data() {
        QTest::addColumn<bool>("byClick");
        QTest::newRow("click") << true;
        QTest::newRow("tab") << false;
    }
    void amount_enteredByClickOrTab_typingReplacesIt() {
        QFETCH(bool, byClick);
        AppHarness app;
        openYear(app, QStringLiteral("2014"));
        auto* amount = app.control<QLineEdit>(kCosts, QStringLiteral("txtImporto"));
        auto* before = control(app, QStringLiteral("txtEstremi"));
        before->setFocus();
        if (byClick)
            AppHarness::click(amount);
        else
            AppHarness::press(before, Qt::Key_Tab);
        QCOMPARE(AppHarness::focused(), amount);
        QCOMPARE(amount->selectedText(), QStringLiteral("0,00"));
        AppHarness::type(amount, QStringLiteral("12,5"));
        QCOMPARE(amount->text(), QStringLiteral("12,5"));
        // A click in a field that already has the focus places the cursor as usual.
        AppHarness::click(amount);
        QVERIFY(!amount->hasSelectedText());
    }

    // Typed (two commas, a lone comma) or pasted, an amount that is no number is kept as it
    // stands and refused at save, not stored as 0,00 with a success message.
    void save_unreadableAmount_refusedWithFocusInIt_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("two commas") << "1,2,3" << false;
        QTest::newRow("lone comma") << "," << false;
        QTest::newRow("pasted sign") << "-12,50" << true;
    }
    void save_unreadableAmount_refusedWithFocusInIt() {
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        AppHarness app;
        openYear(app, QStringLiteral("2014"));
        fillValidEntry(app);
        auto* amount = app.control<QLineEdit>(kCosts, QStringLiteral("txtImporto"));
        amount->setFocus();
        amount->clear();
        if (pasted) {
            QApplication::clipboard()->setText(typed);
            amount->paste();
        } else {
            AppHarness::type(amount, typed);
        }
        control(app, QStringLiteral("txtPagatore"))->setFocus();
        QCOMPARE(amount->text(), typed);
        click(app, QStringLiteral("cmdSalva"));
        QCOMPARE(app.dialogs().prompts(),
                 (QList<Prompt>{prompt("warning", "Attenzione: l'importo indicato non è un numero valido.\n\r\n\rPer "
                                                  "poter salvare la scheda è necessario indicare l'importo in euro "
                                                  "usando soltanto le cifre e la virgola dei decimali.")}));
        QCOMPARE(AppHarness::focused(), amount);
        QCOMPARE(amount->selectedText(), typed);
        QVERIFY(!QFile::exists(yearPath(app, QStringLiteral("2014"))));
        QCOMPARE(position(app), QString());
    }

    void amountAndPlate_keysAndShape() {
        AppHarness app;
        openYear(app, QStringLiteral("2014"));
        auto* amount = app.control<QLineEdit>(kCosts, QStringLiteral("txtImporto"));
        amount->setFocus();
        amount->clear();
        AppHarness::type(amount, QStringLiteral("1a2.3 ,4-5"));
        QCOMPARE(amount->text(), QStringLiteral("123,45"));
        amount->clear();
        AppHarness::type(amount, QStringLiteral("12345678901234567"));
        QCOMPARE(amount->text(), QStringLiteral("123456789012345"));
        control(app, QStringLiteral("txtPagatore"))->setFocus();
        QCOMPARE(amount->text(), QStringLiteral("123456789012345,00"));
        // A longer text put there by the program can still be shortened by the user.
        amount->setFocus();
        AppHarness::press(amount, Qt::Key_Backspace);
        QCOMPARE(amount->text(), QStringLiteral("123456789012345,0"));
        amount->setText(QStringLiteral("7"));
        control(app, QStringLiteral("txtPagatore"))->setFocus();
        QCOMPARE(amount->text(), QStringLiteral("7,00"));

        auto* plate = app.control<QLineEdit>(kCosts, QStringLiteral("txtTarga"));
        plate->setFocus();
        AppHarness::type(plate, QStringLiteral("ab 12"));
        QCOMPARE(plate->text(), QStringLiteral("AB12"));
        plate->setCursorPosition(2);
        AppHarness::type(plate, QStringLiteral(" x"));
        QCOMPARE(plate->text(), QStringLiteral("AB X12"));
    }

    void import_fillsTheVehicleFields_andSavingUpdatesTheSameEntry() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(),
                                {fixtures::vehicle({{TSchedaVeicolo::Tipo, "Furgone"},
                                                    {TSchedaVeicolo::Marca, "Iveco"},
                                                    {TSchedaVeicolo::Modello, "Daily"},
                                                    {TSchedaVeicolo::Colore, "Bianco"},
                                                    {TSchedaVeicolo::Alimentazione, "Gasolio"},
                                                    {TSchedaVeicolo::Targa, "ZZ999ZZ"},
                                                    {TSchedaVeicolo::Autista, "Mario"}})});
        const QString path = yearPath(app, QStringLiteral("2014"));
        TSchedaCosto e = fixtures::costEntry(QStringLiteral("1"));
        e[C::Conducente] = QStringLiteral("Luigi");
        fixtures::writeCosts(path, {e, fixtures::costEntry(QStringLiteral("2"))});
        openYear(app, QStringLiteral("2014"));
        click(app, QStringLiteral("cmdPrimo"));
        click(app, QStringLiteral("cmdImporta"));
        const QString search = QStringLiteral("frmTrovaAutomezzi");
        QWidget* dialog = app.screen(search);
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblMemory"))->text(), QStringLiteral("costi"));
        AppHarness::activate(dialog);
        AppHarness::click(app.control(search, QStringLiteral("btnCerca")));
        auto* list = app.control<ResultList>(search, QStringLiteral("lstRecords"));
        QCoreApplication::processEvents();
        const QRect row = list->visualRect(list->model()->index(0, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
        QVERIFY(!app.screen(search));

        QStringList got;
        for (const char* name : {"txtVeicolo", "txtMarca", "txtModello", "txtColore", "txtAlimentazione", "txtTarga",
                                 "txtConducente"})
            got.append(text(app, QString::fromLatin1(name)));
        QCOMPARE(got, (QStringList{"Furgone", "Iveco", "Daily", "Bianco", "Gasolio", "ZZ999ZZ", "Luigi"}));
        QCOMPARE(position(app), QStringLiteral("1"));

        AppHarness::activate(app.screen(kCosts));
        click(app, QStringLiteral("cmdSalva"));
        QCOMPARE(app.dialogs().texts(), QStringList{kUpdated});
        const QList<TSchedaCosto> stored = fixtures::readCosts(path);
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[0][C::Marca], QStringLiteral("Iveco"));
        QCOMPARE(stored[0][C::Targa], QStringLiteral("ZZ999ZZ"));
        QCOMPARE(stored[1][C::Marca], QStringLiteral("Marca 2"));
    }

    // The fields' frames and leave rules must not act on widgets already being destroyed.
    void programEnds_withTheFocusInAFramedField_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("list field") << "txtVeicolo";
        QTest::newRow("month") << "txtMese";
        QTest::newRow("amount") << "txtImporto";
        QTest::newRow("plate") << "txtTarga";
    }
    void programEnds_withTheFocusInAFramedField() {
        QFETCH(QString, field);
        {
            AppHarness app;
            openYear(app, QStringLiteral("2014"));
            // Hidden while it keeps the keyboard: the screen goes with the focus still inside.
            app.screen(kCosts)->hide();
            AppHarness::activate(app.screen(kCosts));
            control(app, field)->setFocus();
            QCOMPARE(AppHarness::focused(), control(app, field));
        }
        QVERIFY(true); // reached without a crash
    }

    void statusLine_hints() {
        AppHarness app;
        openYear(app, QStringLiteral("2014"));
        auto* info = app.control<QLabel>(kCosts, QStringLiteral("panInfo"));
        QCOMPARE(info->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        AppHarness::hover(control(app, QStringLiteral("cmdSospese")));
        QCOMPARE(info->text(), QStringLiteral("Visualizza il riepilogo dei pagamenti da saldare."));
        AppHarness::hover(paidBox(app));
        QCOMPARE(info->text(), QStringLiteral("Spunta questa casella per indicare che il pagamento è stato saldato."));
        AppHarness::hover(control(app, QStringLiteral("shpPersone")));
        QCOMPARE(info->text(), QString());
    }
};

VESTRANO_TEST(CostScreenTest)
#include "cost_screen_test.moc"
