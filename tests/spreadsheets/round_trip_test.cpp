#include "support/cost_fixtures.h"
#include "support/record_fixtures.h"
#include "support/spreadsheet_reader.h"
#include "support/test_registry.h"

#include "costs/cost_file.h"
#include "import/csv_table.h"
#include "import/import_rules.h"
#include "records/record_file.h"
#include "spreadsheets/xlsx_command.h"
#include "vehicles/vehicle_file.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QUrl>

namespace {

using C = TSchedaCosto;
using V = TSchedaVeicolo;

// What a user does in LibreOffice: open the workbook and save it as CSV (semicolons, UTF-8,
// cells as shown).
QString saveAsCsv(const QString& workbook, const QString& folder) {
    QProcess office;
    office.setProcessChannelMode(QProcess::MergedChannels);
    office.start(spreadsheet_reader::office(),
                 {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(folder + QStringLiteral("/profile")).toString(),
                  QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                  QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76,1"), QStringLiteral("--outdir"), folder,
                  workbook});
    if (!office.waitForFinished(180000))
        return {};
    return folder + u'/' + QFileInfo(workbook).completeBaseName() + QStringLiteral(".csv");
}

// Exports `what` from `from`, lets LibreOffice make a CSV of it and imports that into the
// empty record file `into`; returns the problems met on the way.
QStringList roundTrip(const QString& from, const QString& what, const import_rules::Target& target,
                      const QString& into) {
    QTemporaryDir work;
    const QString workbook = work.filePath(QStringLiteral("export.xlsx"));
    QString errors;
    QTextStream stream(&errors);
    if (xlsx_command::exportWorkbook(from, what, workbook, stream) != xlsx_command::Done)
        return {errors};
    QString why;
    const auto table = csv::readFile(saveAsCsv(workbook, work.path()), &why);
    if (!table)
        return {why};
    const QList<int> mapping = import_rules::mapByHeader(target, table->header);
    const QString year = what == QLatin1String("veicoli") ? QString() : what;
    const import_rules::Check check = import_rules::check(target, *table, mapping, year);
    QStringList problems = check.general;
    for (const QStringList& row : check.rowProblems)
        problems += row;
    if (!problems.isEmpty())
        return problems;
    RecordFile file(into, target.layout->recordSize());
    file.appendAll(static_cast<int>(table->rows.size()), [&](int i) {
        return import_rules::makeRecord(target, mapping, table->rows[i].fields, year).record;
    });
    file.close();
    return {};
}

} // namespace

class RoundTripTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        if (spreadsheet_reader::office().isEmpty())
            QSKIP("LibreOffice is not installed");
    }

    // Every exported field comes back; the ones the export leaves out stay empty.
    void vehicles_comeBackAsTheSameCards() {
        QTemporaryDir from, into;
        const QList<V> cards = {
            fixtures::vehicle({{V::Tipo, "Autovettura"}, {V::Destinazione, "Trasporto persone"},
                               {V::Marca, "Citroën"}, {V::Modello, "C3; \"Aircross\""}, {V::Targa, "AB123CD"},
                               {V::Anno, "15/03/2019"}, {V::Colore, "Blu notte"}, {V::Telaio, "0012345678"},
                               {V::Pneumatici, "205/55 R16"}, {V::Stato, "Efficiente"}, {V::Chilometri, "45.000"},
                               {V::Alimentazione, "Benzina"}, {V::Cilindrata, "1199"}, {V::KW, "81"},
                               {V::Ambiente, "Euro 6"}, {V::Proprietario, "Società Rossi & Figli"},
                               {V::Autista, "Niccolò"}, {V::TelAutista, "0543 123456"}, {V::Meccanico, "Gino"},
                               {V::TelMeccanico, "3331234567"}, {V::ScadRevisione, "15/03/2027"},
                               {V::ScadTagliando, "01/06/2027"}, {V::ScadAssicurazione, "31/12/2026"},
                               {V::ScadBollo, "31/01/2027"}, {V::Note, "Bollo 150 € < soglia"}}),
            fixtures::vehicle({{V::Tipo, "Furgone"}, {V::Marca, "Fiat"}, {V::Modello, "Ducato"}, {V::Targa, "CD 456"}}),
        };
        fixtures::writeVehicles(from.path() + u'/', cards);
        const QString target = VehicleFile::pathIn(into.path() + u'/');
        QCOMPARE(roundTrip(from.path(), QStringLiteral("veicoli"), import_rules::vehicles(), target), QStringList{});
        const QList<V> back = fixtures::readVehicles(into.path() + u'/');
        QCOMPARE(back.size(), cards.size());
        for (qsizetype i = 0; i < back.size(); ++i)
            QCOMPARE(back[i].values, cards[i].values);
    }

    void costs_comeBackAsTheSameEntries() {
        QTemporaryDir from, into;
        C first = fixtures::costEntry(QStringLiteral("A"), QStringLiteral("2026"));
        first[C::Importo] = QStringLiteral("1234,5678");
        first[C::Saldato] = C::paid();
        first[C::Luogo] = QStringLiteral("Forlì");
        first[C::RecPagatore] = QStringLiteral("0543 123456");
        first[C::Estremi] = QStringLiteral("Fattura n. 12/A");
        C second = fixtures::costEntry(QStringLiteral("B"), QStringLiteral("2026"));
        second[C::Giorno] = QStringLiteral("29");
        second[C::Mese] = QStringLiteral("Dicembre");
        second[C::Data] = QStringLiteral("29/12/2026");
        second[C::Importo] = QStringLiteral("0,50");
        fixtures::writeCosts(CostFile::pathFor(from.path() + u'/', QStringLiteral("2026")), {first, second});
        const QString target = CostFile::pathFor(into.path() + u'/', QStringLiteral("2026"));
        QCOMPARE(roundTrip(from.path(), QStringLiteral("2026"), import_rules::costs(), target), QStringList{});
        const QList<C> back = fixtures::readCosts(target);
        QCOMPARE(back.size(), 2);
        QCOMPARE(back[0].values, first.values);
        QCOMPARE(back[1].values, second.values);
    }
};

VESTRANO_TEST(RoundTripTest)
#include "round_trip_test.moc"
