#include "support/app_harness.h"
#include "support/test_registry.h"

#include "login/password_store.h"
#include "login/scrambler.h"
#include "records/cp1252.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QPushButton>

namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. Si consiglia di "
    "reinstallare il software.");
const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario reinserire entrambi i "
    "valori.");
const QString kDone = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si consiglia di "
    "reinstallare il software.");

void login(AppHarness& app, const QString& typed) {
    auto* field = app.control<QLineEdit>(QStringLiteral("frmPassword"), QStringLiteral("txtPassword"));
    field->clear();
    AppHarness::type(field, typed);
    AppHarness::press(field, Qt::Key_Return);
}

void changePassword(AppHarness& app, const QString& oldPw, const QString& newPw, const QString& confirm) {
    const QString s = QStringLiteral("frmCambiaPassword");
    AppHarness::type(app.control<QLineEdit>(s, QStringLiteral("txtPasswordOld")), oldPw);
    AppHarness::type(app.control<QLineEdit>(s, QStringLiteral("txtPasswordNew")), newPw);
    AppHarness::type(app.control<QLineEdit>(s, QStringLiteral("txtConferma")), confirm);
    AppHarness::click(app.control(s, QStringLiteral("cmdOK")));
}

} // namespace

class PasswordTest : public QObject {
    Q_OBJECT
private slots:
    void scramble_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("hex");
        QTest::newRow("delivered password") << QStringLiteral("BICCHIERELUNGO")
                                            << QStringLiteral("54FD055F4243285080D67FE73419");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one letter") << QStringLiteral("A") << QStringLiteral("57");
        QTest::newRow("accented") << QStringLiteral("ÈÀ") << QStringLiteral("DE85");
    }
    void scramble() {
        QFETCH(QString, plain);
        QFETCH(QString, hex);
        QCOMPARE(scrambler::scramble(plain), hex);
        QCOMPARE(scrambler::unscramble(hex), std::optional<QString>(plain));
        QCOMPARE(scrambler::unscramble(hex.toLower()), std::optional<QString>(plain));
    }

    void unscramble_oddDigitIgnored_badDigitRefused() {
        QCOMPARE(scrambler::unscramble(QStringLiteral("575")), std::optional<QString>(QStringLiteral("A")));
        QVERIFY(!scrambler::unscramble(QStringLiteral("5G")).has_value());
    }

    void login_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enters");
        QTest::newRow("lower case") << QStringLiteral("bicchierelungo") << true;
        QTest::newRow("mixed case, blanks around") << QStringLiteral("  BicchiereLungo ") << true;
        QTest::newRow("wrong") << QStringLiteral("bicchiere") << false;
    }
    void login() {
        QFETCH(QString, typed);
        QFETCH(bool, enters);
        AppHarness app;
        app.writeDeliveredPasswordStore();
        app.start();
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmPassword")});
        ::login(app, typed);
        if (enters) {
            QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
            QVERIFY(app.dialogs().prompts().isEmpty());
        } else {
            QCOMPARE(app.dialogs().texts(), QStringList{kWrong});
            QCOMPARE(app.dialogs().prompts().first().kind, QStringLiteral("message"));
            QCOMPARE(app.control<QLineEdit>(QStringLiteral("frmPassword"), QStringLiteral("txtPassword"))->text(),
                     QString());
            QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmPassword")});
        }
    }

    void okButton_followsTrimmedInput() {
        AppHarness app;
        app.writeDeliveredPasswordStore();
        app.start();
        auto* field = app.control<QLineEdit>(QStringLiteral("frmPassword"), QStringLiteral("txtPassword"));
        auto* ok = app.control<QPushButton>(QStringLiteral("frmPassword"), QStringLiteral("cmdOK"));
        QVERIFY(!ok->isEnabled());
        AppHarness::type(field, QStringLiteral("   "));
        QVERIFY(!ok->isEnabled());
        AppHarness::press(field, Qt::Key_Return); // blanks only: nothing at all
        QVERIFY(app.dialogs().prompts().isEmpty());
        AppHarness::type(field, QStringLiteral("x"));
        QVERIFY(ok->isEnabled());
        field->clear();
        QVERIFY(!ok->isEnabled());
    }

    void store_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected"); // empty: the password opens the main menu
        const QByteArray value = "Valore=54FD055F4243285080D67FE73419";
        QTest::newRow("as delivered") << "[Accesso]\r\n" + value + "\r\n" << QString();
        QTest::newRow("names in other case, blanks around")
            << QByteArray("[ACCESSO]\r\n  vAlOrE = 54FD055F4243285080D67FE73419  \r\n") << QString();
        QTest::newRow("stray line without =") << "[Accesso]\r\nriga qualsiasi\r\n" + value + "\r\n" << QString();
        QTest::newRow("unclosed header is no section") << "[Accesso]\r\n[Altro\r\n" + value + "\r\n" << QString();
        QTest::newRow("other sections and comments, LF endings")
            << "; nota\n[Altro]\nValore=00\n\n[Accesso]\n" + value + "\n[Fine]\n" << QString();
        QTest::newRow("no last line ending") << "[Accesso]\r\n" + value << QString();
        QTest::newRow("value in quotes") << QByteArray("[Accesso]\r\nValore=\"54FD055F4243285080D67FE73419\"\r\n")
                                         << QString();
        QTest::newRow("saved with a byte order mark") << "\xEF\xBB\xBF[Accesso]\r\n" + value + "\r\n" << QString();
        QTest::newRow("key only in another section") << "[Altro]\r\n" + value + "\r\n" << kWrong;
        QTest::newRow("no value") << QByteArray("[Accesso]\r\n") << kWrong;
        QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\r\nValore=54FZ\r\n") << kReadError;
        QTest::newRow("with a comma") << QByteArray("[Accesso]\r\nValore=54,FD\r\n") << kReadError;
    }
    void store() {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        AppHarness app;
        fixtures::writeFile(app.path(QStringLiteral("unins000.dll")), content);
        app.start();
        ::login(app, QStringLiteral("bicchierelungo"));
        if (expected.isEmpty()) {
            QVERIFY(app.dialogs().prompts().isEmpty());
            QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
            return;
        }
        QCOMPARE(app.dialogs().texts(), QStringList{expected});
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmPassword")});
    }

    void change_keepsTheRestOfTheStoreAsItWas() {
        AppHarness app;
        const QByteArray before = "; scritto a mano\n[Altro]\nChiave=1\n[accesso]\nvalore = 54FD055F4243285080D67FE73419\n"
                                  "Altra=2";
        fixtures::writeFile(app.path(QStringLiteral("unins000.dll")), before);
        app.start();
        AppHarness::click(app.control(QStringLiteral("frmPassword"), QStringLiteral("btnCambiaPassword")));
        changePassword(app, QStringLiteral("bicchierelungo"), QStringLiteral("nuova"), QStringLiteral("nuova"));
        QCOMPARE(app.dialogs().texts(), QStringList{kDone});
        QByteArray after = before;
        after.replace("valore = 54FD055F4243285080D67FE73419", "Valore=" + scrambler::scramble("NUOVA").toLatin1());
        QCOMPARE(fixtures::readFile(app.path(QStringLiteral("unins000.dll"))), after);
    }

    // The store keeps one Windows-1252 byte per character, as every copy of the program reads it,
    // so what the change accepts opens the program afterwards.
    void change_passwordCharacters_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("storedBytes");
        QTest::newRow("euro sign") << QStringLiteral("auto€1") << QByteArray("AUTO\x80" "1");
        QTest::newRow("accented and quotes") << QStringLiteral("città“x”") << QByteArray("CITT\xE0\x93X\x94");
    }
    void change_passwordCharacters() {
        QFETCH(QString, password);
        QFETCH(QByteArray, storedBytes);
        AppHarness app;
        app.writeDeliveredPasswordStore();
        app.start();
        AppHarness::click(app.control(QStringLiteral("frmPassword"), QStringLiteral("btnCambiaPassword")));
        changePassword(app, QStringLiteral("bicchierelungo"), password, password);
        QCOMPARE(app.dialogs().texts(), QStringList{kDone});
        const QString stored = QString::fromLatin1(fixtures::readFile(app.path(QStringLiteral("unins000.dll"))));
        const auto plain = scrambler::unscramble(stored.section(u'=', 1).trimmed());
        QVERIFY(plain.has_value());
        QCOMPARE(cp1252::encode(*plain), storedBytes);
        app.dialogs().clear();
        ::login(app, password);
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
    }

    // Told at start and in place of "wrong password", naming the folder; nothing is written,
    // and a missing folder is not made here (it may be a network folder not mounted today).
    void dataFolderUnusable_toldOnTheLoginScreens_data() {
        QTest::addColumn<QString>("folder"); // below the harness folder; "dati" is a file
        QTest::addColumn<QString>("message"); // %1: the folder; empty: the folder is usable
        QTest::newRow("a file in its place") << "dati" << "Attenzione: %1 non è una cartella.";
        QTest::newRow("missing") << "assente" << "Attenzione: la cartella %1 non esiste o non è raggiungibile.";
        QTest::newRow("usable") << "program" << QString();
    }
    void dataFolderUnusable_toldOnTheLoginScreens() {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        AppHarness app;
        const QString aFile = app.path(QStringLiteral("../dati"));
        fixtures::writeFile(aFile, "x");
        const QString path = QDir::cleanPath(app.path(QStringLiteral("../") + folder));
        app.context().programDir = path + u'/';
        app.start();
        QCoreApplication::processEvents(); // the start-up notice comes once the login screen is up
        if (message.isEmpty()) {
            QVERIFY(app.dialogs().prompts().isEmpty());
            return;
        }
        Prompt told;
        told.kind = QStringLiteral("error");
        told.text = message.arg(QDir::toNativeSeparators(path));
        QCOMPARE(app.dialogs().prompts(), QList<Prompt>{told});

        app.dialogs().clear();
        ::login(app, QStringLiteral("bicchierelungo"));
        QCOMPARE(app.dialogs().prompts(), QList<Prompt>{told});
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmPassword")});

        app.dialogs().clear();
        AppHarness::click(app.control(QStringLiteral("frmPassword"), QStringLiteral("btnCambiaPassword")));
        changePassword(app, QStringLiteral("bicchierelungo"), QStringLiteral("a"), QStringLiteral("a"));
        QCOMPARE(app.dialogs().prompts(), QList<Prompt>{told});
        QCOMPARE(fixtures::readFile(aFile), QByteArray("x"));
        QVERIFY(!QFileInfo(path).isDir());
    }

    void change_diskFull_toldAndOldStoreKept() {
        AppHarness app;
        app.writeDeliveredPasswordStore();
        const QByteArray before = fixtures::readFile(app.path(QStringLiteral("unins000.dll")));
        app.start();
        AppHarness::click(app.control(QStringLiteral("frmPassword"), QStringLiteral("btnCambiaPassword")));
        {
            FileSizeLimit full(before.size()); // the longer new store cannot be written whole
            changePassword(app, QStringLiteral("bicchierelungo"), QStringLiteral("una password più lunga"),
                           QStringLiteral("una password più lunga"));
        }
        QCOMPARE(app.dialogs().texts(), QStringList{kChangeError});
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmCambiaPassword")});
        QCOMPARE(fixtures::readFile(app.path(QStringLiteral("unins000.dll"))), before);
        QCOMPARE(QDir(app.dir()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("unins000.dll")});
    }

    void missingStore_everyPasswordWrong() {
        AppHarness app;
        app.start();
        ::login(app, QStringLiteral("bicchierelungo"));
        QCOMPARE(app.dialogs().texts(), QStringList{kWrong});
        QVERIFY(!QFile::exists(app.path(QStringLiteral("unins000.dll")))); // never created by a login
    }

    void change_thenOnlyTheNewPasswordEnters() {
        AppHarness app;
        app.writeDeliveredPasswordStore();
        app.start();
        AppHarness::click(app.control(QStringLiteral("frmPassword"), QStringLiteral("btnCambiaPassword")));
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmCambiaPassword")});
        changePassword(app, QStringLiteral(" BICCHIERElungo"), QStringLiteral("Nuova1 "), QStringLiteral("Nuova1"));
        QCOMPARE(app.dialogs().texts(), QStringList{kDone});
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmPassword")});
        const QString stored = QString::fromLatin1(fixtures::readFile(app.path(QStringLiteral("unins000.dll"))));
        QVERIFY(stored.contains(QStringLiteral("Valore=") + scrambler::scramble(QStringLiteral("NUOVA1"))));

        app.dialogs().clear();
        ::login(app, QStringLiteral("bicchierelungo"));
        QCOMPARE(app.dialogs().texts(), QStringList{kWrong});
        ::login(app, QStringLiteral("nUoVa1"));
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
    }

    void change_refusals_data() {
        QTest::addColumn<QString>("oldPw");
        QTest::addColumn<QString>("newPw");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("wrong old") << "sbagliata" << "a" << "a" << kWrongOld << "txtPasswordOld";
        QTest::newRow("confirmation differs") << "bicchierelungo" << "abc" << "abd" << kNotConfirmed
                                              << "txtPasswordNew";
        QTest::newRow("confirmation differs in case") << "bicchierelungo" << "abc" << "ABC" << kNotConfirmed
                                                      << "txtPasswordNew";
        const QString unstorable = QStringLiteral("Attenzione: la nuova password contiene il carattere \"%1\", che "
                                                  "non può essere memorizzato.\n\r\n\rE' necessario reinserire "
                                                  "entrambi i valori usando altri caratteri.");
        QTest::newRow("greek letter") << "bicchierelungo" << "ωmega" << "ωmega" << unstorable.arg(QStringLiteral("ω"))
                                      << "txtPasswordNew";
        QTest::newRow("outside the basic plane") << "bicchierelungo" << "ab\U0001F600" << "ab\U0001F600"
                                                 << unstorable.arg(QStringLiteral("\U0001F600")) << "txtPasswordNew";
    }
    void change_refusals() {
        QFETCH(QString, oldPw);
        QFETCH(QString, newPw);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        QFETCH(QString, focusAfter);
        AppHarness app;
        app.writeDeliveredPasswordStore();
        const QByteArray before = fixtures::readFile(app.path(QStringLiteral("unins000.dll")));
        app.start();
        AppHarness::click(app.control(QStringLiteral("frmPassword"), QStringLiteral("btnCambiaPassword")));
        AppHarness::activate(app.screen(QStringLiteral("frmCambiaPassword")));
        changePassword(app, oldPw, newPw, confirm);
        QCOMPARE(app.dialogs().texts(), QStringList{message});
        QCOMPARE(AppHarness::focused()->objectName(), focusAfter);
        QCOMPARE(app.control<QLineEdit>(QStringLiteral("frmCambiaPassword"), focusAfter)->text(), QString());
        QCOMPARE(fixtures::readFile(app.path(QStringLiteral("unins000.dll"))), before);
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmCambiaPassword")});
    }

    void change_unwritableStore_reportsAndKeepsScreen() {
        AppHarness app;
        app.writeDeliveredPasswordStore();
        app.start();
        AppHarness::click(app.control(QStringLiteral("frmPassword"), QStringLiteral("btnCambiaPassword")));
        // Read fine, then the store's place is taken by a folder before the write.
        const QString store = app.path(QStringLiteral("unins000.dll"));
        QFile::remove(store);
        QDir().mkpath(store);
        changePassword(app, QStringLiteral("x"), QStringLiteral("a"), QStringLiteral("a"));
        QCOMPARE(app.dialogs().texts(), QStringList{kChangeError});
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmCambiaPassword")});
    }

    void changeScreen_startsEmptyAndReturnChains() {
        AppHarness app;
        app.writeDeliveredPasswordStore();
        app.start();
        const QString s = QStringLiteral("frmCambiaPassword");
        AppHarness::click(app.control(QStringLiteral("frmPassword"), QStringLiteral("btnCambiaPassword")));
        AppHarness::type(app.control(s, QStringLiteral("txtPasswordOld")), QStringLiteral("abc"));
        AppHarness::click(app.control(s, QStringLiteral("cmdEsci")));
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmPassword")});
        AppHarness::click(app.control(QStringLiteral("frmPassword"), QStringLiteral("btnCambiaPassword")));
        AppHarness::activate(app.screen(s));
        QCOMPARE(app.control<QLineEdit>(s, QStringLiteral("txtPasswordOld"))->text(), QString());
        QCOMPARE(AppHarness::focused()->objectName(), QStringLiteral("txtPasswordOld"));
        QVERIFY(app.control(s, QStringLiteral("effPasswordOld"))->isVisible());
        QVERIFY(!app.control(s, QStringLiteral("cmdOK"))->isEnabled());
        for (const char* next : {"txtPasswordNew", "txtConferma", "txtPasswordOld"}) {
            AppHarness::press(AppHarness::focused(), Qt::Key_Return);
            QCOMPARE(AppHarness::focused()->objectName(), QString::fromLatin1(next));
        }
    }
};

VESTRANO_TEST(PasswordTest)
#include "password_test.moc"
