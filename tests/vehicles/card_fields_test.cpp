#include "support/app_harness.h"
#include "support/test_registry.h"

#include "vehicles/date_calendar_dialog.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>

namespace {

using F = TSchedaVeicolo;
const QString kCard = QStringLiteral("frmAutoparco");
const QString kCalendar = QStringLiteral("frmCalendario");

QLineEdit* field(AppHarness& app, int f) {
    return app.control<QLineEdit>(kCard, F::controlName(f));
}

// Key events carrying each character, as a keyboard would send them (QTest::keyClicks only
// knows Latin-1).
void typeChars(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c == u' ' ? Qt::Key_Space : Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, c == u' ' ? Qt::Key_Space : Qt::Key_unknown, Qt::NoModifier,
                          QString(c));
        QApplication::sendEvent(w, &release);
    }
}

int openCalendars() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->objectName() == kCalendar && w->isVisible();
    return n;
}

QColor background(QLineEdit* edit) {
    return edit->grab().toImage().pixelColor(edit->width() - 4, edit->height() / 2);
}

} // namespace

class CardFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void plate_filtersAndUpperCases_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters, hyphen, digits") << "ab-12" << "AB-12";
        QTest::newRow("e grave refused") << QStringLiteral("è") << "";
        QTest::newRow("slash refused") << "/" << "";
        QTest::newRow("trailing space vanishes") << "ab 12" << "AB12";
        QTest::newRow("leading space vanishes") << " x" << "X";
        QTest::newRow("the other refused signs") << QStringLiteral("a&b<c>d\u0080e£f°g") << "ABCDEFG";
        QTest::newRow("accented capitals and small letters")
            << QStringLiteral("ÀÁÂÄÇÈÉÊËÌÍÎÏÑÒÓÔÖÙÚÛÜàáâäçèéêëìíîïñòóôöùúûü1") << "1";
        QTest::newRow("other Latin-1 and beyond pass") << QStringLiteral("ÃÅÆÕØßãø€×") << QStringLiteral("ÃÅÆÕØßãø€×");
        QTest::newRow("twelve at most") << "abcdefghijklmnop" << "ABCDEFGHIJKL";
    }
    void plate_filtersAndUpperCases() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        AppHarness app;
        app.openArea(kCard);
        typeChars(field(app, F::Targa), typed);
        QCOMPARE(field(app, F::Targa)->text(), shown);
    }

    void plate_spaceBetweenCharactersStays() {
        AppHarness app;
        app.openArea(kCard);
        QLineEdit* plate = field(app, F::Targa);
        typeChars(plate, QStringLiteral("ab12"));
        plate->setCursorPosition(2);
        typeChars(plate, QStringLiteral(" c"));
        QCOMPARE(plate->text(), QStringLiteral("AB C12"));
        QCOMPARE(plate->cursorPosition(), 4);
    }

    void plate_pastedTextIsFilteredLikeTyped() {
        AppHarness app;
        app.openArea(kCard);
        QLineEdit* plate = field(app, F::Targa);
        QApplication::clipboard()->setText(QStringLiteral("  ab/12è cd "));
        plate->paste();
        QCOMPARE(plate->text(), QStringLiteral("AB12 CD"));
    }

    void returnAndTab_goRoundTheWholeCard() {
        AppHarness app;
        app.openArea(kCard);
        QCOMPARE(AppHarness::focused(), field(app, F::Tipo));
        for (int i = 1; i <= F::kDataFieldCount; ++i) {
            AppHarness::press(AppHarness::focused(), Qt::Key_Return);
            QCOMPARE(AppHarness::focused(), field(app, i % F::kDataFieldCount));
        }
        for (int i = 1; i < F::kDataFieldCount; ++i) {
            AppHarness::press(AppHarness::focused(), Qt::Key_Tab);
            QCOMPARE(AppHarness::focused(), field(app, i));
        }
        QCOMPARE(openCalendars(), 0);
        QCOMPARE(app.dialogs().prompts().size(), 0); // Return never saves
    }

    void focus_turnsYellowAndBack() {
        AppHarness app;
        app.openArea(kCard);
        QLineEdit* make = field(app, F::Marca);
        QLineEdit* driver = field(app, F::Autista);
        QCOMPARE(background(make), QColor(0xF0, 0xF8, 0xFF));
        QCOMPARE(background(driver), QColor(Qt::white));
        make->setFocus();
        QCOMPARE(background(make), QColor(Qt::yellow));
        driver->setFocus();
        QCOMPARE(background(make), QColor(0xF0, 0xF8, 0xFF));
        QCOMPARE(background(driver), QColor(Qt::yellow));
        QCOMPARE(make->grab().toImage().pixelColor(0, make->height() / 2), QColor(0x87, 0xCE, 0xEB));
    }

    void dateField_keys_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("textAfter");
        QTest::addColumn<int>("focusAfter");
        QTest::addColumn<int>("calendars");
        QTest::newRow("delete empties") << int(F::Lettura) << int(Qt::Key_Delete) << "" << int(F::Lettura) << 0;
        QTest::newRow("backspace empties") << int(F::ScadBollo) << int(Qt::Key_Backspace) << "" << int(F::ScadBollo)
                                           << 0;
        QTest::newRow("return moves on") << int(F::Lettura) << int(Qt::Key_Return) << "01/02/2026"
                                         << int(F::Alimentazione) << 0;
        QTest::newRow("tab moves on") << int(F::ScadBollo) << int(Qt::Key_Tab) << "01/02/2026" << int(F::Note) << 0;
        QTest::newRow("a letter asks for the calendar") << int(F::ScadRevisione) << int(Qt::Key_A) << "01/02/2026"
                                                        << int(F::ScadRevisione) << 1;
        QTest::newRow("a digit too") << int(F::ScadTagliando) << int(Qt::Key_5) << "01/02/2026"
                                     << int(F::ScadTagliando) << 1;
        QTest::newRow("shift alone does not") << int(F::ScadTagliando) << int(Qt::Key_Shift) << "01/02/2026"
                                              << int(F::ScadTagliando) << 0;
    }
    void dateField_keys() {
        QFETCH(int, field);
        QFETCH(int, key);
        QFETCH(QString, textAfter);
        QFETCH(int, focusAfter);
        QFETCH(int, calendars);
        AppHarness app;
        app.openArea(kCard);
        QLineEdit* date = ::field(app, field);
        QVERIFY(date->isReadOnly());
        date->setText(QStringLiteral("01/02/2026"));
        date->setFocus();
        AppHarness::press(date, Qt::Key(key));
        QCOMPARE(date->text(), textAfter);
        QCOMPARE(openCalendars(), calendars);
        if (calendars == 0)
            QCOMPARE(AppHarness::focused(), ::field(app, focusAfter));
    }

    void dateField_opensOneCalendarPerKeyPress() {
        AppHarness app;
        app.openArea(kCard);
        QLineEdit* date = field(app, F::ScadBollo);
        AppHarness::press(date, Qt::Key_X);
        AppHarness::press(date, Qt::Key_Y); // before the first calendar took the keyboard
        QCOMPARE(openCalendars(), 1);
        AppHarness::click(app.control(kCalendar, QStringLiteral("btnAnnulla")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AppHarness::press(date, Qt::Key_X);
        QCOMPARE(openCalendars(), 1);
    }

    void calendar_importsIntoTheFieldOfItsMark_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("mark");
        QTest::newRow("reading") << int(F::Lettura) << "autoparco_lettura";
        QTest::newRow("inspection") << int(F::ScadRevisione) << "autoparco_scadrevisione";
        QTest::newRow("service") << int(F::ScadTagliando) << "autoparco_scadtagliando";
        QTest::newRow("insurance") << int(F::ScadAssicurazione) << "autoparco_scadassicurazione";
        QTest::newRow("road tax") << int(F::ScadBollo) << "autoparco_scadbollo";
    }
    void calendar_importsIntoTheFieldOfItsMark() {
        QFETCH(int, field);
        QFETCH(QString, mark);
        AppHarness app;
        app.openArea(kCard);
        QLineEdit* date = ::field(app, field);
        date->setText(QStringLiteral("01/01/2020"));
        AppHarness::press(date, Qt::Key_K);
        QWidget* dialog = app.screen(kCalendar);
        QVERIFY(dialog);
        QCOMPARE(dialog->parentWidget(), app.screen(kCard));
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Importazione data"));
        QCOMPARE(dialog->size(), QSize(253, 294));
        QCOMPARE(app.control<QLabel>(kCalendar, QStringLiteral("lblMemory"))->text(), mark);
        auto* calendar = app.control<QCalendarWidget>(kCalendar, QStringLiteral("calAppuntamenti"));
        QCOMPARE(calendar->selectedDate(), QDate(2026, 12, 10)); // today, not the field's date
        calendar->setSelectedDate(QDate(2031, 3, 5));
        AppHarness::click(app.control(kCalendar, QStringLiteral("btnImportaData")));
        QCOMPARE(date->text(), QStringLiteral("05/03/2031"));
        QVERIFY(!app.screen(kCalendar));
        for (int other : {F::Lettura, F::ScadRevisione, F::ScadTagliando, F::ScadAssicurazione, F::ScadBollo})
            if (other != field)
                QCOMPARE(::field(app, other)->text(), QString());
    }

    void calendar_cancelChangesNothing() {
        AppHarness app;
        app.openArea(kCard);
        QLineEdit* date = field(app, F::Lettura);
        date->setText(QStringLiteral("01/01/2020"));
        AppHarness::press(date, Qt::Key_K);
        app.control<QCalendarWidget>(kCalendar, QStringLiteral("calAppuntamenti"))->setSelectedDate(QDate(2031, 3, 5));
        AppHarness::click(app.control(kCalendar, QStringLiteral("btnAnnulla")));
        QVERIFY(!app.screen(kCalendar));
        QCOMPARE(date->text(), QStringLiteral("01/01/2020"));
    }

    // Opened by a screen that takes no date: "Importa" does nothing and the calendar stays.
    void calendar_withoutATaker_staysOpen() {
        AppHarness app;
        app.openArea(kCard);
        (new DateCalendarDialog(app.context(), app.screen(kCard), QStringLiteral("costi"), {}))->present();
        AppHarness::click(app.control(kCalendar, QStringLiteral("btnImportaData")));
        QVERIFY(app.screen(kCalendar));
        AppHarness::click(app.control(kCalendar, QStringLiteral("btnAnnulla")));
        QVERIFY(!app.screen(kCalendar));
    }

    // What the field shows is what the card keeps: no 17-character chassis number on screen
    // stored cut with a success message.
    void chassis_takesTheTenCharactersTheCardKeeps() {
        AppHarness app;
        app.openArea(kCard);
        QLineEdit* chassis = field(app, F::Telaio);
        QTest::keyClicks(chassis, QStringLiteral("ZFA12345678901234"));
        QCOMPARE(chassis->text(), QStringLiteral("ZFA1234567"));
        chassis->clear();
        QApplication::clipboard()->setText(QStringLiteral("WVW98765432109876"));
        chassis->paste();
        QCOMPARE(chassis->text(), QStringLiteral("WVW9876543"));
        for (F::Field f : {F::Tipo, F::Marca, F::Modello, F::Targa})
            field(app, f)->setText(QStringLiteral("x"));
        AppHarness::click(app.control(kCard, QStringLiteral("cmdSalva")));
        QCOMPARE(fixtures::readVehicles(app.dir()).at(0)[F::Telaio], chassis->text());
    }
};

VESTRANO_TEST(CardFieldsTest)
#include "card_fields_test.moc"
