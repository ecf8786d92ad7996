#include "support/test_registry.h"

#include "costs/cost_record.h"
#include "import/csv_table.h"
#include "import/import_rules.h"
#include "vehicles/vehicle_record.h"

#include <QTest>

namespace {

using C = TSchedaCosto;
using V = TSchedaVeicolo;

const QString kYear = QStringLiteral("2026");
const QByteArray kCostHeader = "Data saldo;Marca;Modello;Targa;Causale pagamento;Importo in euro;Note;Saldato\n";
const QByteArray kCardHeader = "Tipo veicolo;Marca;Modello;Targa;Telaio;Scad. bollo\n";

const import_rules::Target& targetFor(const QString& name) {
    return name == QLatin1String("costi") ? import_rules::costs() : import_rules::vehicles();
}

// "Field=value" for every field the test looks at.
QStringList valuesOf(const import_rules::Target& target, const QByteArray& record, const QStringList& fields) {
    QStringList out;
    const QStringList values = target.layout->decode(record);
    for (const QString& f : fields)
        out.append(f + u'=' + values[target.layout->indexOf(f.toLatin1().constData())]);
    return out;
}

} // namespace

class ImportRulesTest : public QObject {
    Q_OBJECT
private slots:
    void row_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<QStringList>("values");

        QTest::newRow("cost: values as typing makes them")
            << "costi" << kCostHeader + "5/3/2026;Fiat;Panda;ab 123 cd;Bollo;1.234,5 €;;sì\n" << QStringList{}
            << QStringList{"Giorno=05", "Mese=Marzo", "Anno=2026", "Data=05/03/2026", "Targa=AB 123 CD",
                           "Importo=1234,50", "Saldato=Sì"};
        QTest::newRow("cost: point decimals, ISO date, empty amount and paid")
            << "costi" << kCostHeader + "2026-12-31;Fiat;Panda;X1;Bollo;;;\n" << QStringList{}
            << QStringList{"Data=31/12/2026", "Mese=Dicembre", "Importo=0,00", "Saldato=No"};
        QTest::newRow("cost: amount with a decimal point")
            << "costi" << kCostHeader + "01/01/2026;Fiat;Panda;X1;Bollo;12.345678;;No\n" << QStringList{}
            << QStringList{"Importo=12,3457"};
        QTest::newRow("cost: a date that does not exist")
            << "costi" << kCostHeader + "31/04/2026;Fiat;Panda;X1;Bollo;1;;No\n"
            << QStringList{"Data saldo: la data 31/04/2026 non esiste"} << QStringList{};
        QTest::newRow("cost: no date at all")
            << "costi" << kCostHeader + "marzo;Fiat;Panda;X1;Bollo;1;;No\n"
            << QStringList{"Data saldo: \"marzo\" non è una data (gg/mm/aaaa)"} << QStringList{};
        QTest::newRow("cost: a date of another year")
            << "costi" << kCostHeader + "29/02/2024;Fiat;Panda;X1;Bollo;1;;No\n"
            << QStringList{"Data saldo: la data 29/02/2024 non è dell'anno 2026"} << QStringList{};
        QTest::newRow("cost: amounts that cannot be read")
            << "costi" << kCostHeader + "01/01/2026;Fiat;Panda;X1;Bollo;12,3,4;;No\n"
            << QStringList{"Importo in euro: l'importo \"12,3,4\" non si può leggere"} << QStringList{};
        QTest::newRow("cost: negative amount")
            << "costi" << kCostHeader + "01/01/2026;Fiat;Panda;X1;Bollo;-5;;No\n"
            << QStringList{"Importo in euro: l'importo \"-5\" non si può leggere"} << QStringList{};
        QTest::newRow("cost: amount too long once normalised")
            << "costi" << kCostHeader + "01/01/2026;Fiat;Panda;X1;Bollo;123456789012345;;No\n"
            << QStringList{"Importo in euro: testo di 18 caratteri, il campo ne contiene al massimo 15"}
            << QStringList{};
        QTest::newRow("cost: missing required fields, unknown paid flag, character outside Windows-1252")
            << "costi" << kCostHeader + "01/01/2026;;Panda;X1;Bollo;1;Ω;forse\n"
            << QStringList{"Marca: valore obbligatorio mancante",
                           "Note: il carattere \"Ω\" non si può salvare nell'archivio",
                           "Saldato: \"forse\" non è Sì o No"}
            << QStringList{};
        QTest::newRow("cost: line breaks of a quoted cell become spaces")
            << "costi" << kCostHeader + "01/01/2026;Fiat;Panda;X1;Bollo;1;\"riga uno\r\nriga due\";No\n"
            << QStringList{} << QStringList{"Note=riga uno riga due"};

        QTest::newRow("card: plate in capitals, date written dd/mm/yyyy")
            << "veicoli" << kCardHeader + "Autovettura;Fiat;Panda; ab-12 ;ZFA1;2027-01-31\n" << QStringList{}
            << QStringList{"Targa=AB-12", "ScadBollo=31/01/2027", "Telaio=ZFA1"};
        QTest::newRow("card: a plate character the card refuses")
            << "veicoli" << kCardHeader + "Autovettura;Fiat;Panda;AB/12;;\n"
            << QStringList{"Targa: il carattere \"/\" non è ammesso nella targa"} << QStringList{};
        QTest::newRow("card: a chassis longer than the card keeps, a due date that does not exist")
            << "veicoli" << kCardHeader + "Autovettura;Fiat;Panda;AB12;ZFA31200000123456;29/02/2027\n"
            << QStringList{"Telaio: testo di 17 caratteri, il campo ne contiene al massimo 10",
                           "Scad. bollo: la data 29/02/2027 non esiste"}
            << QStringList{};
        QTest::newRow("card: text longer than its field")
            << "veicoli" << kCardHeader + "Autovettura;" + QByteArray(51, 'M') + ";Panda;AB12;;\n"
            << QStringList{"Marca: testo di 51 caratteri, il campo ne contiene al massimo 50"} << QStringList{};
    }
    void row() {
        QFETCH(QString, target);
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, problems);
        QFETCH(QStringList, values);
        const import_rules::Target& t = targetFor(target);
        const csv::Table table = csv::read(csv);
        QCOMPARE(table.rows.size(), 1);
        const QList<int> mapping = import_rules::mapByHeader(t, table.header);
        const import_rules::Outcome out = import_rules::makeRecord(t, mapping, table.rows[0].fields, kYear);
        QCOMPARE(out.problems, problems);
        if (!problems.isEmpty()) {
            QVERIFY(out.record.isEmpty());
            return;
        }
        QCOMPARE(out.record.size(), t.layout->recordSize());
        QStringList fields;
        for (const QString& v : values)
            fields.append(v.section(u'=', 0, 0));
        QCOMPARE(valuesOf(t, out.record, fields), values);
    }

    void mapping_data() {
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QStringList>("fields"); // the field names the columns go to, "-" for none
        QTest::newRow("export headers, screen captions and record names")
            << QStringList{"Data saldo", "Modalita", "RecPagatore", "Importo:"}
            << QStringList{"Data", "Modalita", "RecPagatore", "Importo"};
        QTest::newRow("case, accents, blanks and punctuation do not matter")
            << QStringList{" MODALITÀ DI PAGAMENTO ", "tel.pagatore", "Causale"}
            << QStringList{"Modalita", "RecPagatore", "Causale"};
        QTest::newRow("unknown and repeated headers stay out")
            << QStringList{"Marca", "Colonna X", "marca"} << QStringList{"Marca", "-", "-"};
    }
    void mapping() {
        QFETCH(QStringList, header);
        QFETCH(QStringList, fields);
        const import_rules::Target& t = import_rules::costs();
        QStringList got;
        for (int index : import_rules::mapByHeader(t, header))
            got.append(index == import_rules::kNotImported
                           ? QStringLiteral("-")
                           : QString::fromLatin1(t.layout->field(t.fields[static_cast<std::size_t>(index)].field).name));
        QCOMPARE(got, fields);
    }

    void fileProblems_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("general");
        QTest::newRow("empty file") << QByteArray() << QStringList{"Il file è vuoto."};
        QTest::newRow("header only") << kCardHeader << QStringList{"Il file non contiene righe da importare."};
        QTest::newRow("a required field without a column")
            << QByteArray("Tipo veicolo;Marca;Targa\nAuto;Fiat;AB1\n")
            << QStringList{"Nessuna colonna per il campo obbligatorio Modello."};
    }
    void fileProblems() {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, general);
        const csv::Table table = csv::read(csv);
        const import_rules::Target& t = import_rules::vehicles();
        const import_rules::Check check = import_rules::check(t, table, import_rules::mapByHeader(t, table.header), {});
        QCOMPARE(check.general, general);
        QVERIFY(!check.canImport());
    }

    // A user who points two columns at one field is told, and nothing is imported.
    void twoColumnsOnOneField() {
        const csv::Table table = csv::read(kCardHeader + "Auto;Fiat;Panda;AB1;;\n");
        const import_rules::Target& t = import_rules::vehicles();
        QList<int> mapping = import_rules::mapByHeader(t, table.header);
        mapping[4] = mapping[1]; // Telaio's column now also fills Marca
        const import_rules::Check check = import_rules::check(t, table, mapping, {});
        QCOMPARE(check.general, QStringList{"Il campo Marca è scelto per 2 colonne."});
        QVERIFY(!check.canImport());
    }
};

VESTRANO_TEST(ImportRulesTest)
#include "import_rules_test.moc"
