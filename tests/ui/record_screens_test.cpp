#include "support/app_harness.h"
#include "support/expected_texts.h"
#include "support/cost_fixtures.h"
#include "support/test_registry.h"

#include "costs/cost_file.h"
#include "vehicles/vehicle_file.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>

// The vehicle card and the cost entry screen share their tool bar, browsing and saving: each
// case here runs on both.
namespace {

const QString kCard = QStringLiteral("frmAutoparco");
const QString kCosts = QStringLiteral("frmCosti");
const QString kYear = QStringLiteral("2014");
const QString kEmptyFile = expected_texts::emptyFile();
const QString kAccess = expected_texts::accessFailure();
const QString kUpdated = expected_texts::recordUpdated();
const QString kChangedElsewhere = expected_texts::changedElsewhere();
// Both fixtures write "Marca <n>" into record n, and both screens show it here.
const QString kTagField = QStringLiteral("txtMarca");

QString recordFile(AppHarness& app, const QString& screen) {
    return screen == kCard ? VehicleFile::pathIn(app.dir()) : CostFile::pathFor(app.dir(), kYear);
}

void writeRecords(AppHarness& app, const QString& screen, int count) {
    if (screen == kCard) {
        QList<TSchedaVeicolo> cards;
        for (int i = 1; i <= count; ++i)
            cards.append(fixtures::vehicle(QString::number(i)));
        fixtures::writeVehicles(app.dir(), cards);
    } else {
        QList<TSchedaCosto> entries;
        for (int i = 1; i <= count; ++i)
            entries.append(fixtures::costEntry(QString::number(i), kYear));
        fixtures::writeCosts(recordFile(app, screen), entries);
    }
}

// The card from the main menu; the cost screen through the year selection.
void open(AppHarness& app, const QString& screen) {
    if (screen == kCard) {
        app.openArea(kCard);
        return;
    }
    app.openCostYear(kYear);
}

QString text(AppHarness& app, const QString& screen, const QString& name) {
    QWidget* w = app.control(screen, name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    return qobject_cast<QComboBox*>(w)->currentText();
}

void setText(AppHarness& app, const QString& screen, const QString& name, const QString& value) {
    QWidget* w = app.control(screen, name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(value);
    else
        qobject_cast<QComboBox*>(w)->setEditText(value);
}

QString position(AppHarness& app, const QString& screen) {
    return text(app, screen, QStringLiteral("lblPosizione"));
}

// Everything the save checks before it touches the file.
void fillRequired(AppHarness& app, const QString& screen) {
    const QStringList required =
        screen == kCard ? QStringList{"txtTipo=x", "txtMarca=x", "txtModello=x", "txtTarga=x"}
                        : QStringList{"txtGiorno=05", "txtMese=Marzo", "txtCausale=x", "txtMarca=x", "txtModello=x",
                                      "txtTarga=x"};
    for (const QString& field : required)
        setText(app, screen, field.section(u'=', 0, 0), field.section(u'=', 1));
}

void addRows(const std::function<void(const QString& screen, const QString& prefix)>& rows) {
    rows(kCard, QStringLiteral("card: "));
    rows(kCosts, QStringLiteral("costs: "));
}

// Field `name` ("Modello", "Targa" ...) of every stored record, in file order.
QStringList stored(AppHarness& app, const QString& screen, const char* name) {
    QStringList values;
    if (screen == kCard) {
        const int f = TSchedaVeicolo::layout().indexOf(name);
        for (const TSchedaVeicolo& card : fixtures::readVehicles(app.dir()))
            values.append(card.values[f]);
    } else {
        const int f = TSchedaCosto::layout().indexOf(name);
        for (const TSchedaCosto& entry : fixtures::readCosts(recordFile(app, screen)))
            values.append(entry.values[f]);
    }
    return values;
}

// What a user can see after an action: the record number, the prompts, the windows shown.
QString outcome(AppHarness& app, const QString& screen) {
    QStringList windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            windows.append(w->objectName());
    windows.sort();
    QStringList prompts;
    for (const Prompt& p : app.dialogs().prompts())
        prompts.append(p.kind + u':' + p.text);
    return QStringList{position(app, screen), text(app, screen, kTagField), prompts.join(u'/'), windows.join(u',')}
        .join(QStringLiteral(" | "));
}

} // namespace

class RecordScreensTest : public QObject {
    Q_OBJECT
private slots:
    void browse_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("records");     // -1: no file at all
        QTest::addColumn<int>("partialBytes"); // the start of one more record, cut short
        QTest::addColumn<QString>("startAt");  // lblPosizione before the command
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("positionAfter");
        QTest::addColumn<bool>("toldEmpty");
        addRows([](const QString& s, const QString& p) {
            const auto row = [&](const char* name) { return &QTest::newRow(qPrintable(p + QLatin1String(name))); };
            *row("first, no file") << s << -1 << 0 << "" << "cmdPrimo" << "" << true;
            *row("first, empty file") << s << 0 << 0 << "" << "cmdPrimo" << "" << true;
            *row("last, empty file") << s << 0 << 0 << "" << "cmdUltimo" << "" << true;
            *row("next, empty file, empties the number") << s << 0 << 0 << "4" << "cmdAvanti" << "" << true;
            *row("previous, empty file") << s << 0 << 0 << "" << "cmdIndietro" << "" << true;
            *row("previous from 1, empty file: silent") << s << 0 << 0 << "1" << "cmdIndietro" << "1" << false;
            *row("first, only part of a record") << s << 0 << 100 << "" << "cmdPrimo" << "" << true;
            *row("first of one") << s << 1 << 0 << "" << "cmdPrimo" << "1" << false;
            *row("next from new, one") << s << 1 << 0 << "" << "cmdAvanti" << "1" << false;
            *row("previous from new, one") << s << 1 << 0 << "" << "cmdIndietro" << "1" << false;
            *row("next on the last, one") << s << 1 << 0 << "1" << "cmdAvanti" << "1" << false;
            *row("previous on the first, one") << s << 1 << 0 << "1" << "cmdIndietro" << "1" << false;
            *row("first of three") << s << 3 << 0 << "2" << "cmdPrimo" << "1" << false;
            *row("last of three") << s << 3 << 0 << "" << "cmdUltimo" << "3" << false;
            *row("next from new, three") << s << 3 << 0 << "" << "cmdAvanti" << "1" << false;
            *row("next from 1") << s << 3 << 0 << "1" << "cmdAvanti" << "2" << false;
            *row("next on the last of three") << s << 3 << 0 << "3" << "cmdAvanti" << "3" << false;
            *row("previous on the first of three") << s << 3 << 0 << "1" << "cmdIndietro" << "1" << false;
            *row("previous from new, three") << s << 3 << 0 << "" << "cmdIndietro" << "1" << false;
            *row("previous from 2") << s << 3 << 0 << "2" << "cmdIndietro" << "1" << false;
            *row("previous from 3") << s << 3 << 0 << "3" << "cmdIndietro" << "2" << false;
            *row("last, the cut record does not count") << s << 2 << 100 << "" << "cmdUltimo" << "2" << false;
            *row("next on the last whole record") << s << 2 << 100 << "2" << "cmdAvanti" << "2" << false;
        });
    }
    void browse() {
        QFETCH(QString, screen);
        QFETCH(int, records);
        QFETCH(int, partialBytes);
        QFETCH(QString, startAt);
        QFETCH(QString, command);
        QFETCH(QString, positionAfter);
        QFETCH(bool, toldEmpty);
        AppHarness app;
        if (records >= 0)
            writeRecords(app, screen, records);
        if (partialBytes > 0)
            fixtures::writeFile(recordFile(app, screen),
                                fixtures::readFile(recordFile(app, screen)) + QByteArray(partialBytes, 'x'));
        open(app, screen);
        setText(app, screen, QStringLiteral("lblPosizione"), startAt);
        setText(app, screen, kTagField, QStringLiteral("typed"));
        AppHarness::click(app.control(screen, command));
        QCOMPARE(position(app, screen), positionAfter);
        QCOMPARE(app.dialogs().texts(), toldEmpty ? QStringList{kEmptyFile} : QStringList{});
        if (toldEmpty)
            QCOMPARE(app.dialogs().prompts().first().kind, QStringLiteral("information"));
        QVERIFY(QFile::exists(recordFile(app, screen))); // looking creates the file
        const bool loaded = !positionAfter.isEmpty() && positionAfter != startAt;
        QCOMPARE(text(app, screen, kTagField), loaded ? QStringLiteral("Marca ") + positionAfter : QStringLiteral("typed"));
    }

    void unreachableFile_showsTheAccessMessageAndWritesNothing_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("command");
        addRows([](const QString& s, const QString& p) {
            for (const char* command : {"cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro", "cmdSalva"})
                QTest::newRow(qPrintable(p + QLatin1String(command))) << s << QString::fromLatin1(command);
        });
    }
    void unreachableFile_showsTheAccessMessageAndWritesNothing() {
        QFETCH(QString, screen);
        QFETCH(QString, command);
        AppHarness app;
        QDir().mkpath(recordFile(app, screen)); // a folder where the file should be: cannot open
        open(app, screen);
        fillRequired(app, screen);
        AppHarness::click(app.control(screen, command));
        QCOMPARE(app.dialogs().texts(), QStringList{kAccess});
        QCOMPARE(app.dialogs().prompts().first().kind, QStringLiteral("error"));
        QCOMPARE(position(app, screen), QString());
        QCOMPARE(text(app, screen, kTagField), QStringLiteral("x"));
        QVERIFY(QFileInfo(recordFile(app, screen)).isDir());
    }

    // Two copies of the program on one folder, both showing record 2.
    void save_overARecordAnotherCopyChanged_asksFirst_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("overwrite");
        addRows([](const QString& s, const QString& p) {
            QTest::newRow(qPrintable(p + QLatin1String("yes: this copy's record is stored"))) << s << true;
            QTest::newRow(qPrintable(p + QLatin1String("no: the other copy's record stays"))) << s << false;
        });
    }
    void save_overARecordAnotherCopyChanged_asksFirst() {
        QFETCH(QString, screen);
        QFETCH(bool, overwrite);
        AppHarness first;
        writeRecords(first, screen, 2);
        AppHarness second(first.dir());
        for (AppHarness* app : {&first, &second}) {
            open(*app, screen);
            AppHarness::click(app->control(screen, QStringLiteral("cmdUltimo")));
        }
        setText(first, screen, QStringLiteral("txtModello"), QStringLiteral("Rosso"));
        AppHarness::click(first.control(screen, QStringLiteral("cmdSalva")));
        QCOMPARE(first.dialogs().texts(), QStringList{kUpdated});

        setText(second, screen, QStringLiteral("txtModello"), QStringLiteral("Blu"));
        second.dialogs().queue(overwrite);
        AppHarness::click(second.control(screen, QStringLiteral("cmdSalva")));
        QCOMPARE(second.dialogs().prompts().first().kind, QStringLiteral("question"));
        QCOMPARE(second.dialogs().texts(),
                 overwrite ? (QStringList{kChangedElsewhere, kUpdated}) : QStringList{kChangedElsewhere});
        QCOMPARE(stored(first, screen, "Modello"),
                 (QStringList{QStringLiteral("Modello 1"), overwrite ? QStringLiteral("Blu") : QStringLiteral("Rosso")}));
        QCOMPARE(text(second, screen, QStringLiteral("txtModello")), QStringLiteral("Blu")); // the typing stays
        QCOMPARE(position(second, screen), QStringLiteral("2"));

        // Once this copy holds what is stored, its next save asks nothing; a new record never asks.
        second.dialogs().clear();
        if (overwrite) {
            AppHarness::click(second.control(screen, QStringLiteral("cmdSalva")));
            QCOMPARE(second.dialogs().texts(), QStringList{kUpdated});
            second.dialogs().clear();
        }
        AppHarness::click(second.control(screen, QStringLiteral("cmdNuovo")));
        fillRequired(second, screen);
        AppHarness::click(second.control(screen, QStringLiteral("cmdSalva")));
        QCOMPARE(second.dialogs().prompts().size(), 1);
        QCOMPARE(second.dialogs().prompts().first().kind, QStringLiteral("information"));
        QCOMPARE(stored(first, screen, "Modello").size(), 3);
        QCOMPARE(position(second, screen), QStringLiteral("3"));
    }

    void save_pastTheEndOfAShortenedFile_isRefused_data() {
        QTest::addColumn<QString>("screen");
        addRows([](const QString& s, const QString& p) { QTest::newRow(qPrintable(p + QLatin1String("record 3 of 1"))) << s; });
    }
    void save_pastTheEndOfAShortenedFile_isRefused() {
        QFETCH(QString, screen);
        AppHarness app;
        writeRecords(app, screen, 3);
        open(app, screen);
        AppHarness::click(app.control(screen, QStringLiteral("cmdUltimo")));
        writeRecords(app, screen, 1); // another copy replaced the file with a shorter one
        const QByteArray before = fixtures::readFile(recordFile(app, screen));
        setText(app, screen, QStringLiteral("txtModello"), QStringLiteral("Verde"));
        AppHarness::click(app.control(screen, QStringLiteral("cmdSalva")));
        QCOMPARE(app.dialogs().texts(), QStringList{kAccess});
        QCOMPARE(app.dialogs().prompts().first().kind, QStringLiteral("error"));
        QCOMPARE(fixtures::readFile(recordFile(app, screen)), before);
        QCOMPARE(position(app, screen), QStringLiteral("3"));
    }

    // A key does what a click on its button does, on a screen showing record 2 of 3 with the
    // keyboard in a field.
    void key_doesWhatItsButtonDoes_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("tooltip");
        addRows([](const QString& s, const QString& p) {
            const auto row = [&](const char* button, QKeyCombination key, const char* tooltip) {
                QTest::newRow(qPrintable(p + QLatin1String(button)))
                    << s << QString::fromLatin1(button) << key << QString::fromUtf8(tooltip);
            };
            row("cmdNuovo", Qt::CTRL | Qt::Key_N, "Nuova scheda (Ctrl+N)");
            row("cmdSalva", Qt::CTRL | Qt::Key_S, "Salva (Ctrl+S)");
            row("cmdTrova", Qt::CTRL | Qt::Key_F, "Trova (Ctrl+F)");
            row("cmdStampa", Qt::CTRL | Qt::Key_P, "Stampa (Ctrl+P)");
            row("cmdPrimo", Qt::CTRL | Qt::Key_Home, "Prima scheda (Ctrl+Inizio)");
            row("cmdIndietro", QKeyCombination(Qt::Key_PageUp), "Scheda precedente (Pag Su)");
            row("cmdAvanti", QKeyCombination(Qt::Key_PageDown), "Scheda successiva (Pag Giù)");
            row("cmdUltimo", Qt::CTRL | Qt::Key_End, "Ultima scheda (Ctrl+Fine)");
            row("cmdGuida", QKeyCombination(Qt::Key_F1), "Guida (F1)");
            row("cmdEsci", QKeyCombination(Qt::Key_Escape), "Esci (Esc)");
            if (s == kCard)
                row("cmdDuplica", Qt::CTRL | Qt::Key_D, "Duplica la scheda (Ctrl+D)");
        });
    }
    void key_doesWhatItsButtonDoes() {
        QFETCH(QString, screen);
        QFETCH(QString, button);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, tooltip);
        const auto run = [&](const std::function<void(AppHarness&)>& act) {
            AppHarness app;
            writeRecords(app, screen, 3);
            open(app, screen);
            AppHarness::click(app.control(screen, QStringLiteral("cmdPrimo")));
            AppHarness::click(app.control(screen, QStringLiteral("cmdAvanti")));
            app.control(screen, kTagField)->setFocus();
            act(app);
            QCoreApplication::processEvents();
            return outcome(app, screen);
        };
        const QString clicked = run([&](AppHarness& app) { AppHarness::click(app.control(screen, button)); });
        const QString pressed = run([&](AppHarness&) {
            AppHarness::press(AppHarness::focused(), key.key(), key.keyboardModifiers());
        });
        const QString untouched = run([](AppHarness&) {});
        QCOMPARE(pressed, clicked);
        QVERIFY2(clicked != untouched, qPrintable(clicked));

        AppHarness app;
        open(app, screen);
        QCOMPARE(app.control(screen, button)->toolTip(), tooltip);
    }

    void keys_doNothingWhileADialogIsOpen_data() {
        QTest::addColumn<QString>("screen");
        addRows([](const QString& s, const QString& p) { QTest::newRow(qPrintable(p + QLatin1String("search open"))) << s; });
    }
    void keys_doNothingWhileADialogIsOpen() {
        QFETCH(QString, screen);
        AppHarness app;
        writeRecords(app, screen, 3);
        open(app, screen);
        AppHarness::click(app.control(screen, QStringLiteral("cmdPrimo")));
        AppHarness::click(app.control(screen, QStringLiteral("cmdTrova")));
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        AppHarness::activate(dialog);
        QWidget* field = app.control(screen, kTagField);
        for (QWidget* target : {AppHarness::focused(), field}) {
            for (const QKeyCombination key : {QKeyCombination(Qt::Key_PageDown), Qt::CTRL | Qt::Key_End,
                                              Qt::CTRL | Qt::Key_N, Qt::CTRL | Qt::Key_S})
                AppHarness::press(target, key.key(), key.keyboardModifiers());
        }
        QCOMPARE(position(app, screen), QStringLiteral("1"));
        QCOMPARE(text(app, screen, kTagField), QStringLiteral("Marca 1"));
        QVERIFY(app.dialogs().prompts().isEmpty());
        QVERIFY(dialog->isVisible());
    }
};

VESTRANO_TEST(RecordScreensTest)
#include "record_screens_test.moc"
