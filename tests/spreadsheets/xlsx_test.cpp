#include "support/app_harness.h"
#include "support/cost_fixtures.h"
#include "support/file_size_limit.h"
#include "support/spreadsheet_reader.h"
#include "support/test_registry.h"

#include "spreadsheets/xlsx_command.h"
#include "spreadsheets/xlsx_file.h"

#include <QDate>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

using Kind = spreadsheet::CellKind;

// One part of the workbook (a zip archive), read back with unzip.
QString part(const QString& workbook, const QString& name) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), workbook, name});
    unzip.waitForFinished();
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

// The XML of the cell at `ref` ("B2"), or an empty text when the sheet has none there.
QString cellXml(const QString& sheet, const QString& ref) {
    const QRegularExpression cell(QStringLiteral("<c r=\"%1\"[^>]*(/>|>.*?</c>)").arg(ref));
    return cell.match(sheet).captured(0);
}

// The number format the cell's style applies, through the style sheet's cellXfs.
QString formatOf(const QString& workbook, const QString& cell) {
    const int style = QRegularExpression(QStringLiteral(" s=\"(\\d+)\"")).match(cell).captured(1).toInt();
    const QString styles = part(workbook, QStringLiteral("xl/styles.xml"));
    const QString xfs = QRegularExpression(QStringLiteral("<cellXfs[^>]*>(.*?)</cellXfs>"))
                            .match(styles)
                            .captured(1);
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("<xf [^>]*>")).globalMatch(xfs);
    QString xf;
    for (int i = 0; i <= style && it.hasNext(); ++i)
        xf = it.next().captured(0);
    const QString id = QRegularExpression(QStringLiteral("numFmtId=\"(\\d+)\"")).match(xf).captured(1);
    if (id == QLatin1String("49"))
        return QStringLiteral("@");
    return QRegularExpression(QStringLiteral("<numFmt numFmtId=\"%1\" formatCode=\"([^\"]*)\"").arg(id))
        .match(styles)
        .captured(1);
}

spreadsheet::Sheet sheet() {
    spreadsheet::Sheet s;
    s.name = QStringLiteral("Costi Sostenuti");
    s.columns = {{QStringLiteral("Targa"), 200, Kind::Text},
                 {QStringLiteral("Data saldo"), 150, Kind::Date},
                 {QStringLiteral("Importo in euro"), 180, Kind::Amount},
                 {QStringLiteral("Saldato"), 120, Kind::Text}};
    return s;
}

const QList<QStringList> kRows = {
    {"0012345", "05/03/2026", "1234,5", "Sì"},
    {"3331234567", "da definire", "non pagato", "No"},
    {"A<B & \"C\"", "01/01/1899", "", ""},
};

spreadsheet::CellSource rows() {
    return [](int row, int column) { return kRows[row][column]; };
}

} // namespace

class XlsxTest : public QObject {
    Q_OBJECT
private slots:
    void cells_keepTheirTypesAndFormats_data() {
        QTest::addColumn<QString>("ref");
        QTest::addColumn<QString>("type"); // the t attribute: inlineStr for a text, none for a number
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("format");
        const QString serial = QString::number(QDate(1899, 12, 30).daysTo(QDate(2026, 3, 5)));
        QTest::newRow("header") << "A1" << "inlineStr" << "Targa" << "@";
        QTest::newRow("digits of a plate stay text") << "A2" << "inlineStr" << "0012345" << "@";
        QTest::newRow("phone number stays text") << "A3" << "inlineStr" << "3331234567" << "@";
        QTest::newRow("markup characters escaped") << "A4" << "inlineStr" << "A&lt;B &amp; \"C\"" << "@";
        QTest::newRow("date as a date") << "B2" << serial << serial << "dd/mm/yyyy";
        QTest::newRow("no date: the text") << "B3" << "inlineStr" << "da definire" << "@";
        QTest::newRow("before 1900: the text") << "B4" << "inlineStr" << "01/01/1899" << "@";
        QTest::newRow("amount as a number in euro") << "C2" << "" << "1234.5" << "#,##0.00## &quot;€&quot;";
        QTest::newRow("unreadable amount: the text") << "C3" << "inlineStr" << "non pagato" << "@";
        QTest::newRow("paid flag as text") << "D2" << "inlineStr" << "Sì" << "@";
        QTest::newRow("empty cell not written") << "C4" << "" << "" << "";
    }
    void cells_keepTheirTypesAndFormats() {
        QFETCH(QString, ref);
        QFETCH(QString, type);
        QFETCH(QString, value);
        QFETCH(QString, format);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Costi_Sostenuti.xlsx"));
        QVERIFY(xlsx::save(path, sheet(), 3, rows()));
        const QString xml = part(path, QStringLiteral("xl/worksheets/sheet1.xml"));
        const QString cell = cellXml(xml, ref);
        if (value.isEmpty()) {
            QCOMPARE(cell, QString());
            return;
        }
        if (type == QLatin1String("inlineStr")) {
            QVERIFY2(cell.contains(QStringLiteral("t=\"inlineStr\"")), qPrintable(cell));
            QVERIFY2(cell.contains(QStringLiteral("<t>") + value + QStringLiteral("</t>")) ||
                         cell.contains(QStringLiteral("<t xml:space=\"preserve\">") + value),
                     qPrintable(cell));
        } else {
            QVERIFY2(!cell.contains(QStringLiteral(" t=\"")), qPrintable(cell));
            QVERIFY2(cell.contains(QStringLiteral("<v>") + value + QStringLiteral("</v>")), qPrintable(cell));
        }
        QCOMPARE(formatOf(path, cell), format);
    }

    void headerRow_boldFrozenFilteredWithGridWidths() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.xlsx"));
        QVERIFY(xlsx::save(path, sheet(), 3, rows()));
        const QString xml = part(path, QStringLiteral("xl/worksheets/sheet1.xml"));
        QVERIFY(xml.contains(QStringLiteral("<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>")));
        QVERIFY(xml.contains(QStringLiteral("<autoFilter ref=\"A1:D4\"/>")));
        // 200 pixels, in characters of the default font.
        QVERIFY2(xml.contains(QStringLiteral("<col min=\"1\" max=\"1\" width=\"28.5703125\" customWidth=\"1\"/>")),
                 qPrintable(xml.left(600)));
        const QString styles = part(path, QStringLiteral("xl/styles.xml"));
        QVERIFY(styles.contains(QStringLiteral("<b/>")));
        QVERIFY(part(path, QStringLiteral("xl/workbook.xml")).contains(QStringLiteral("name=\"Costi Sostenuti\"")));
    }

    // Through a real spreadsheet program, when one is installed.
    void readByOffice_textsStayTexts() {
        if (spreadsheet_reader::office().isEmpty())
            QSKIP("LibreOffice is not installed");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.xlsx"));
        QVERIFY(xlsx::save(path, sheet(), 3, rows()));
        QString error;
        const auto read = spreadsheet_reader::readWithOffice(path, &error);
        QVERIFY2(read, qPrintable(error));
        QCOMPARE(read->value(1).value(0), QStringLiteral("0012345"));
        QCOMPARE(read->value(1).value(1), QStringLiteral("05/03/2026"));
        QCOMPARE(read->value(2).value(0), QStringLiteral("3331234567"));
        QVERIFY2(read->value(1).value(2).contains(QStringLiteral("€")), qPrintable(read->value(1).join(u'|')));
    }

    // A failure, here a disk that fills up, leaves the earlier workbook byte-identical.
    void failure_keepsEarlierFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.xlsx"));
        fixtures::writeFile(path, "earlier workbook");
        QString error;
        {
            FileSizeLimit full(2000);
            QVERIFY(!xlsx::save(path, sheet(), 3, rows(), &error));
        }
        QVERIFY(!error.isEmpty());
        QCOMPARE(fixtures::readFile(path), QByteArray("earlier workbook"));
    }

    void screen_writesTheWorkbookBesideTheXls() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {fixtures::vehicle(QStringLiteral("A"))});
        app.openArea(QStringLiteral("frmAutoparco"));
        AppHarness::click(app.control(QStringLiteral("frmAutoparco"), QStringLiteral("cmdEsporta")));
        app.dialogs().queue(true);
        app.dialogs().queue(true);
        AppHarness::click(app.control(QStringLiteral("frmExpAutoparco"), QStringLiteral("cmdEsportaXlsx")));
        const QString path = app.path(QStringLiteral("Parco_Automezzi.xlsx"));
        QVERIFY(QFile::exists(path));
        QVERIFY(!QFile::exists(app.path(QStringLiteral("Parco_Automezzi.xls"))));
        QCOMPARE(app.shell().targets, QStringList{u'"' + path + u'"'});
        const QString xml = part(path, QStringLiteral("xl/worksheets/sheet1.xml"));
        QVERIFY(xml.contains(QStringLiteral("<t>Marca A</t>")));
    }

    void command_exitCodes_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("dataFolder");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("message");
        QTest::newRow("vehicles") << "veicoli" << "out.xlsx" << true << 0 << "";
        QTest::newRow("a year") << "2014" << "out.xlsx" << true << 0 << "";
        QTest::newRow("a year without a file") << "2015" << "out.xlsx" << true << 1 << "Errore: il file ";
        QTest::newRow("no data folder") << "veicoli" << "out.xlsx" << false << 1 << "Errore: la cartella dei dati ";
        QTest::newRow("output is a folder") << "veicoli" << "." << true << 1 << "Errore: impossibile scrivere il file ";
        QTest::newRow("not a year") << "14" << "out.xlsx" << true << 2 << "Uso: vestrano";
    }
    void command_exitCodes() {
        QFETCH(QString, what);
        QFETCH(QString, target);
        QFETCH(bool, dataFolder);
        QFETCH(int, exit);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("dati"));
        if (dataFolder) {
            QDir().mkpath(data);
            fixtures::writeVehicles(data + u'/', {fixtures::vehicle(QStringLiteral("A"))});
            fixtures::writeCosts(data + QStringLiteral("/2014.eur"), {fixtures::costEntry(QStringLiteral("A"))});
        }
        QString errors;
        QTextStream stream(&errors);
        const QString output = target == QLatin1String(".") ? data : dir.filePath(target);
        QCOMPARE(xlsx_command::exportWorkbook(data, what, output, stream), exit);
        stream.flush();
        QCOMPARE(errors.isEmpty(), exit == 0);
        QVERIFY2(errors.startsWith(message) || message.isEmpty(), qPrintable(errors));
        if (exit == 0)
            QVERIFY(QFileInfo(output).isFile());
    }

    // The real program, with no display to talk to.
    void command_runsWithoutDisplay() {
        const QString program = qEnvironmentVariable("VESTRANO_TEST_BINARY_DIR") + QStringLiteral("/vestrano");
        if (!QFileInfo(program).isExecutable())
            QSKIP("the program is not built beside the tests");
        QTemporaryDir dir;
        fixtures::writeVehicles(dir.path() + u'/', {fixtures::vehicle(QStringLiteral("A"))});
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        run.setProcessEnvironment(env);
        const QString out = dir.filePath(QStringLiteral("veicoli.xlsx"));
        run.start(program, {QStringLiteral("--data-dir"), dir.path(), QStringLiteral("--export-xlsx"),
                            QStringLiteral("veicoli"), out});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        QVERIFY(QFileInfo(out).isFile());
        run.start(program, {QStringLiteral("--data-dir"), dir.path(), QStringLiteral("--export-xlsx"),
                            QStringLiteral("veicoli")});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 2);
        QVERIFY(run.readAllStandardError().contains("manca l'argomento FILE di --export-xlsx"));
    }
};

VESTRANO_TEST(XlsxTest)
#include "xlsx_test.moc"
