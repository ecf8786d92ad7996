#include "vehicle_output/vehicle_card_report.h"

#include "records/text_rules.h"
#include "vehicles/vehicle_record.h"

namespace vehicle_card_report {

namespace {

using F = TSchedaVeicolo;

const QColor kRoyalBlue(0x41, 0x69, 0xE1);

struct Box {
    double top;
    double left;
    double width;
    const char* label;
    F::Field field;
};

// Heading strips and their value boxes, row by row down the page.
const Box kBoxes[] = {
    {100, 1, 92, "TIPO VEICOLO", F::Tipo},
    {100, 95, 94, "DESTINAZIONE ED USO", F::Destinazione},
    {115, 1, 92, "MARCA", F::Marca},
    {115, 95, 94, "MODELLO", F::Modello},
    {130, 1, 48, "TARGA", F::Targa},
    {130, 51, 42, "IMMATRICOLAZIONE", F::Anno},
    {130, 95, 94, "COLORE", F::Colore},
    {145, 1, 48, "TELAIO", F::Telaio},
    {145, 51, 42, "STATO VEICOLO", F::Stato},
    {145, 95, 51, "CHILOMETRI PERCORSI", F::Chilometri},
    {145, 148, 41, "DATA LETTURA", F::Lettura},
    {160, 1, 92, "PNEUMATICI", F::Pneumatici},
    {160, 95, 45, "ALIMENTAZIONE", F::Alimentazione},
    {160, 142, 47, "CILINDRATA", F::Cilindrata},
    {175, 1, 45, "kW", F::KW},
    {175, 48, 45, "PORTATA MASSIMA", F::Portata},
    {175, 95, 94, "COMPATIBILITA' AMBIENTALE", F::Ambiente},
    {190, 1, 45, "NUMERO POSTI", F::Posti},
    {190, 48, 141, "COMPAGNIA ASSICURATIVA", F::Compagnia},
    {205, 1, 45, "TEL. ASSICURATORE", F::TelAssicuratore},
    {205, 48, 45, "IMPORTO POLIZZA", F::Polizza},
    {205, 95, 45, "AUTISTA", F::Autista},
    {205, 142, 47, "TEL. AUTISTA", F::TelAutista},
    {220, 1, 45, "MECCANICO", F::Meccanico},
    {220, 48, 45, "TEL. MECCANICO", F::TelMeccanico},
    {220, 95, 45, "SCADENZA REVISIONE", F::ScadRevisione},
    {220, 142, 47, "SCADENZA TAGLIANDO", F::ScadTagliando},
    {235, 1, 45, "SCAD. ASSICURAZIONE", F::ScadAssicurazione},
    {235, 48, 45, "SCADENZA BOLLO", F::ScadBollo},
    {235, 95, 94, "PROPRIETARIO", F::Proprietario},
    {250, 1, 188, "INCIDENTI SUBITI", F::Incidenti},
    {265, 1, 188, "NOTE", F::Note},
};

report::Memo memo(const QString& name, const QRectF& rect, const QString& text, const QFont& font,
                  QColor colour, Qt::Alignment align) {
    report::Memo m;
    m.name = name;
    m.rect = rect;
    m.text = text;
    m.font = font;
    m.color = colour;
    m.align = align;
    m.wordWrap = false;
    m.padX = 0;
    m.padY = 0;
    return m;
}

} // namespace

report::Report design() {
    using namespace report;
    Report r;
    r.name = QStringLiteral("Scheda Veicolo");
    r.orientation = QPageLayout::Portrait;
    r.margins = QMarginsF(10, 10, 10, 10);

    Band page{QStringLiteral("Pagina"), BandKind::Data, 277, false, {}};
    page.objects.append(Frame{QStringLiteral("shpTitolo"), QRectF(1, 1, 188, 8), kRoyalBlue, {}});
    page.objects.append(memo(QStringLiteral("txtNome"), QRectF(1, 1, 188, 8),
                             QStringLiteral("SCHEDA VEICOLO"), QFont(QStringLiteral("Arial"), 12),
                             Qt::white, Qt::AlignCenter));
    Picture photo;
    photo.name = QStringLiteral("imgLogo");
    photo.rect = QRectF(1, 11, 188, 87);
    page.objects.append(photo);

    const QFont labelFont(QStringLiteral("Arial"), 8, QFont::Bold);
    const QFont valueFont(QStringLiteral("Arial"), 8);
    for (const Box& b : kBoxes) {
        const QString name = F::controlName(b.field);
        page.objects.append(Frame{QStringLiteral("shp") + name.mid(3),
                                  QRectF(b.left, b.top, b.width, 4.8),
                                  kRoyalBlue,
                                  {}});
        page.objects.append(memo(
            QStringLiteral("lbl") + name.mid(3), QRectF(b.left + 1, b.top + 0.6, b.width - 2, 3.6),
            QString::fromLatin1(b.label), labelFont, Qt::white, Qt::AlignLeft | Qt::AlignVCenter));
        Frame box{QStringLiteral("box") + name.mid(3),
                  QRectF(b.left, b.top + 5, b.width, 6),
                  {},
                  Qt::black};
        page.objects.append(box);
        page.objects.append(memo(name, QRectF(b.left + 1, b.top + 6.2, b.width - 2, 4), QString(),
                                 valueFont, Qt::black, Qt::AlignLeft | Qt::AlignVCenter));
    }
    r.bands.append(page);
    return r;
}

void fill(report::Report& report, const QImage& photo, const QStringList& fieldTexts) {
    if (report::Picture* picture = report.picture(QStringLiteral("imgLogo")))
        picture->image = photo;
    for (int i = 0; i < F::kDataFieldCount && i < fieldTexts.size(); ++i)
        if (report::Memo* m = report.memo(F::controlName(i)))
            m->text = text::trimmed(fieldTexts[i]);
}

} // namespace vehicle_card_report
