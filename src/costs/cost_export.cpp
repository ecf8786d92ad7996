#include "costs/cost_export.h"

#include "costs/cost_record.h"
#include "records/text_rules.h"
#include "vehicle_output/export_screen.h"

namespace cost_export {

const ExportSetup& setup() {
    using F = TSchedaCosto;
    constexpr auto Date = spreadsheet::CellKind::Date;
    constexpr auto Amount = spreadsheet::CellKind::Amount;
    static const ExportSetup s{
        QStringLiteral("frmExpCosti"),
        QStringLiteral(" Esporta archivio costi sostenuti in Excel"),
        QStringLiteral("Costi Sostenuti"),
        QStringLiteral("Costi_Sostenuti.xls"),
        help::Topic::CostExport,
        &F::layout(),
        {
            // name, grid header, grid width, editable, field, file caption, file width
            {"colNum", "N.", 60, false, -1, nullptr, 0},
            {"colData", "Data saldo", 150, false, F::Data, "Data saldo", 150, Date},
            {"colLuogo", "Luogo", 250, false, F::Luogo, "Luogo", 250},
            {"colVeicolo", "Tipo veicolo", 250, false, F::Veicolo, "Tipo veicolo", 250},
            {"colMarca", "Marca", 250, false, F::Marca, "Marca", 250},
            {"colModello", "Modello", 250, false, F::Modello, "Modello", 250},
            {"colColore", "Colore", 200, false, F::Colore, "Colore", 200},
            {"colAlimentazione", "Alimentazione", 200, false, F::Alimentazione, "Alimentazione",
             200},
            {"colTarga", "Targa", 200, false, F::Targa, "Targa", 200},
            {"colCausale", "Causale pagamento", 250, false, F::Causale, "Causale pagamento", 250},
            {"colDescrizione", "Descrizione costi", 300, false, F::Descrizione, "Descrizione costi",
             300},
            {"colModalita", "Modalità di pagamento", 250, false, F::Modalita,
             "Modalità di pagamento", 250},
            {"colEstremi", "Estremi ricevuta", 250, true, F::Estremi, "Estremi ricevuta", 250},
            {"colImporto", "Importo in euro", 180, true, F::Importo, "Importo in euro", 200, Amount},
            {"colPagatore", "Pagatore", 250, true, F::Pagatore, "Pagatore", 250},
            {"colRecPagatore", "Tel. pagatore", 200, true, F::RecPagatore, "Tel. pagatore", 250},
            {"colBeneficiario", "Beneficiario", 250, true, F::Beneficiario, "Beneficiario", 250},
            {"colRecBeneficiario", "Tel. beneficiario", 200, true, F::RecBeneficiario,
             "Tel. beneficiario", 250},
            {"colConducente", "Conduttore o responsabile", 250, false, F::Conducente,
             "Conduttore o responsabile", 250},
            {"colRecapito", "Tel. conduttore", 200, false, F::Recapito, "Tel. conduttore", 250},
            {"colNote", "Note", 300, false, F::Note, "Note", 300},
            {"colSaldato", "Saldato", 120, true, F::Saldato, "Saldato", 200},
        },
    };
    return s;
}

void open(AppContext& ctx, QWidget* opener, const QString& yearFile) {
    ExportScreen::open(ctx, opener, setup(), text::trimmed(yearFile));
}

} // namespace cost_export
