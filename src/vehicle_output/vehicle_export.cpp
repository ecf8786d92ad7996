#include "vehicle_output/vehicle_export.h"

#include "app/app_context.h"
#include "vehicle_output/export_screen.h"
#include "vehicles/vehicle_file.h"

namespace vehicle_export {

const ExportSetup& setup() {
    using F = TSchedaVeicolo;
    constexpr auto Date = spreadsheet::CellKind::Date;
    static const ExportSetup s{
        QStringLiteral("frmExpAutoparco"),
        QStringLiteral(" Esportazione archivio veicoli in Excel"),
        QStringLiteral("Parco Automezzi"),
        QStringLiteral("Parco_Automezzi.xls"),
        help::Topic::VehicleExport,
        &F::layout(),
        {
            // name, grid header, grid width, editable, field, file caption, file width
            {"colNum", "N.", 60, false, -1, nullptr, 0},
            {"colTipo", "Tipo veicolo", 200, false, F::Tipo, "Tipo veicolo", 250},
            {"colDestinazione", "Destinazione ed uso", 200, false, F::Destinazione,
             "Destinazione ed uso", 300},
            {"colMarca", "Marca", 200, false, F::Marca, "Marca", 250},
            {"colModello", "Modello", 200, true, F::Modello, "Modello", 250},
            {"colTarga", "Targa", 160, true, F::Targa, "Targa", 200},
            {"colAnno", "Immatricolazione", 160, true, F::Anno, "Immatricolazione", 200},
            {"colColore", "Colore", 200, true, F::Colore, "Colore", 250},
            {"colTelaio", "Telaio", 200, false, F::Telaio, "Telaio", 250},
            {"colPneumatici", "Pneumatici", 250, false, F::Pneumatici, "Pneumatici", 300},
            {"colStato", "Stato veicolo", 200, true, F::Stato, "Stato veicolo", 250},
            {"colKm", "Km percorsi", 180, false, F::Chilometri, "Km percorsi", 250},
            {"colAlimentazione", "Alimentazione", 180, false, F::Alimentazione, "Alimentazione",
             250},
            {"colCilindrata", "Cilindrata", 180, false, F::Cilindrata, "Cilindrata", 250},
            {"colKW", "kW", 160, true, F::KW, "kW", 250},
            {"colAmbiente", "Compatibilità ambientale", 200, false, F::Ambiente,
             "Compatibilità ambientale", 250},
            {"coProprietario", "Proprietario", 250, true, F::Proprietario, "Proprietario", 300},
            {"colAutista", "Autista", 200, false, F::Autista, "Autista", 250},
            {"colTelAutista", "Tel. autista", 160, true, F::TelAutista, "Tel. autista", 200},
            {"colMeccanico", "Meccanico", 200, true, F::Meccanico, "Meccanico", 250},
            {"coTelMeccanico", "Tel. meccanico", 160, true, F::TelMeccanico, "Tel. meccanico", 200},
            {"colScadRevisione", "Scad. revisione", 160, true, F::ScadRevisione, "Scad. revisione",
             200, Date},
            {"colScadTagliando", "Scad. tagliando", 160, true, F::ScadTagliando, "Scad. tagliando",
             200, Date},
            {"coScadAssicurazione", "Scad. assicurazione", 160, true, F::ScadAssicurazione,
             "Scad. assicurazione", 200, Date},
            {"colScadBollo", "Scad. bollo", 160, true, F::ScadBollo, "Scad. bollo", 200, Date},
            {"colNote", "Note", 350, true, F::Note, "Note", 400},
        },
    };
    return s;
}

void open(AppContext& ctx, QWidget* opener) {
    ExportScreen::open(ctx, opener, setup(), VehicleFile::pathIn(ctx.programDir));
}

} // namespace vehicle_export
