#include "support/test_registry.h"

#include "import/csv_table.h"

#include <QTest>

namespace {

using Rows = QList<QStringList>;

} // namespace

class CsvTableTest : public QObject {
    Q_OBJECT
private slots:
    void read_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<Rows>("rows");
        const auto utf8 = static_cast<int>(csv::Encoding::Utf8);
        const auto cp1252 = static_cast<int>(csv::Encoding::Windows1252);

        QTest::newRow("semicolon, decimal comma") << QByteArray("Targa;Importo\nAB123;12,50\n") << ";" << utf8
                                                  << QStringList{"Targa", "Importo"}
                                                  << Rows{{"AB123", "12,50"}};
        QTest::newRow("comma, quoted decimal comma, CRLF")
            << QByteArray("Targa,Importo\r\nAB123,\"12,50\"\r\nCD456,\"1.234,00\"\r\n") << "," << utf8
            << QStringList{"Targa", "Importo"} << Rows{{"AB123", "12,50"}, {"CD456", "1.234,00"}};
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBFLuogo;Note\nForl\xC3\xAC;5 \xE2\x82\xAC\n")
                                        << ";" << utf8 << QStringList{"Luogo", "Note"}
                                        << Rows{{QString::fromUtf8("Forlì"), QString::fromUtf8("5 €")}};
        QTest::newRow("Windows-1252") << QByteArray("Luogo;Note\nForl\xEC;5 \x80\n") << ";" << cp1252
                                      << QStringList{"Luogo", "Note"}
                                      << Rows{{QString::fromUtf8("Forlì"), QString::fromUtf8("5 €")}};
        QTest::newRow("quotes with line breaks and doubled quotes")
            << QByteArray("Marca;Note\n\"Fiat\";\"prima riga\nseconda; \"\"citata\"\"\"\nLancia;x\n") << ";"
            << utf8 << QStringList{"Marca", "Note"}
            << Rows{{"Fiat", "prima riga\nseconda; \"citata\""}, {"Lancia", "x"}};
        QTest::newRow("tab separated") << QByteArray("Marca\tModello\nFiat\tPanda") << "\t" << utf8
                                       << QStringList{"Marca", "Modello"} << Rows{{"Fiat", "Panda"}};
        QTest::newRow("blank rows left out, last line without break")
            << QByteArray("Marca;Modello\n;;\n\nFiat;Panda") << ";" << utf8 << QStringList{"Marca", "Modello"}
            << Rows{{"Fiat", "Panda"}};
        QTest::newRow("header only") << QByteArray("Marca;Modello\r\n") << ";" << utf8
                                     << QStringList{"Marca", "Modello"} << Rows{};
        QTest::newRow("empty file") << QByteArray() << ";" << utf8 << QStringList{} << Rows{};
        QTest::newRow("UTF-16 with BOM") << QByteArray("\xFF\xFEM\0a\0;\0b\0\n\0x\0;\0y\0", 18) << ";"
                                         << static_cast<int>(csv::Encoding::Utf16) << QStringList{"Ma", "b"}
                                         << Rows{{"x", "y"}};
    }
    void read() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, separator);
        QFETCH(int, encoding);
        QFETCH(QStringList, header);
        QFETCH(Rows, rows);
        const csv::Table table = csv::read(bytes);
        QCOMPARE(QString(table.separator), separator);
        QCOMPARE(static_cast<int>(table.encoding), encoding);
        QCOMPARE(table.header, header);
        Rows got;
        for (const csv::Row& r : table.rows)
            got.append(r.fields);
        QCOMPARE(got, rows);
    }

    // Problems name the row a spreadsheet program shows, also after a cell with line breaks.
    void sheetRowsCountRecordsNotLines() {
        const csv::Table table = csv::read("A;B\n\"x\ny\";1\n;\n2;3\n");
        QCOMPARE(table.rows.size(), 2);
        QCOMPARE(table.rows[0].sheetRow, 2);
        QCOMPARE(table.rows[1].sheetRow, 4);
    }
};

VESTRANO_TEST(CsvTableTest)
#include "csv_table_test.moc"
