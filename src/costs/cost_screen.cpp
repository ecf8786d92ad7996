#include "costs/cost_screen.h"
#include "ui/fonts.h"

#include "import/import_dialog.h"

#include "app/app_context.h"
#include "costs/cost_export.h"
#include "costs/cost_fields.h"
#include "costs/cost_file.h"
#include "costs/cost_printout.h"
#include "costs/cost_rules.h"
#include "costs/cost_search_screen.h"
#include "costs/unpaid_list_screen.h"
#include "help/help_topics.h"
#include "records/text_rules.h"
#include "ui/artwork.h"
#include "ui/focus_frame.h"
#include "ui/return_chain.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "ui/status_hints.h"
#include "vehicle_output/vehicle_search_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using C = TSchedaCosto;

const QString kUnreadableAmount = QStringLiteral(
    "Attenzione: l'importo indicato non è un numero valido.\n\r\n\rPer poter salvare la scheda è necessario "
    "indicare l'importo in euro usando soltanto le cifre e la virgola dei decimali.");
const QString kAppended = QStringLiteral("La scheda corrente è stata salvata in archivio.");
const QString kReady = QStringLiteral("Pronto per archiviare una nuova scheda...");

enum class Kind { Text, List, Day, Month, Amount, Plate };

struct FieldPlace {
    C::Field field;
    const char* name;
    const char* caption;
    int maxLength;
    Kind kind;
    QRect rect; // the input box; its caption stands above it
};

// In Return order.
const FieldPlace kPlaces[] = {
    {C::Veicolo, "txtVeicolo", "Tipo veicolo:", 50, Kind::List, {24, 94, 226, 28}},
    {C::Marca, "txtMarca", "Marca:", 50, Kind::Text, {262, 95, 222, 26}},
    {C::Modello, "txtModello", "Modello:", 50, Kind::Text, {24, 149, 226, 26}},
    {C::Colore, "txtColore", "Colore:", 50, Kind::Text, {262, 149, 222, 26}},
    {C::Alimentazione, "txtAlimentazione", "Alimentazione:", 50, Kind::Text, {24, 203, 226, 26}},
    {C::Targa, "txtTarga", "Targa:", 30, Kind::Plate, {262, 203, 222, 26}},
    {C::Giorno, "txtGiorno", "Giorno:", 2, Kind::Day, {518, 94, 70, 28}},
    {C::Mese, "txtMese", "Mese:", 10, Kind::Month, {600, 94, 160, 28}},
    {C::Luogo, "txtLuogo", "Luogo:", 50, Kind::Text, {518, 149, 454, 26}},
    {C::Causale, "txtCausale", "Causale:", 50, Kind::List, {24, 279, 460, 28}},
    {C::Descrizione, "txtDescrizione", "Descrizione costi:", 250, Kind::Text, {24, 334, 460, 26}},
    {C::Modalita, "txtModalita", "Modalità:", 120, Kind::Text, {24, 388, 460, 26}},
    {C::Estremi, "txtEstremi", "Estremi scontrino, ricevuta o fattura:", 120, Kind::Text, {24, 442, 460, 26}},
    {C::Importo, "txtImporto", "Importo in euro:", 15, Kind::Amount, {252, 490, 222, 40}},
    {C::Pagatore, "txtPagatore", "Pagatore:", 120, Kind::Text, {518, 279, 290, 26}},
    {C::RecPagatore, "txtRecPagatore", "Recapito telefonico:", 50, Kind::Text, {820, 279, 152, 26}},
    {C::Beneficiario, "txtBeneficiario", "Beneficiario:", 120, Kind::Text, {518, 334, 290, 26}},
    {C::RecBeneficiario, "txtRecBeneficiario", "Recapito telefonico:", 50, Kind::Text, {820, 334, 152, 26}},
    {C::Conducente, "txtConducente", "Conduttore o responsabile:", 50, Kind::Text, {518, 388, 290, 26}},
    {C::Recapito, "txtRecapito", "Recapito telefonico:", 50, Kind::Text, {820, 388, 152, 26}},
    {C::Note, "txtNote", "Note:", 250, Kind::Text, {24, 596, 740, 26}},
};

// Before the browse group.
const RecordTool kToolsBefore[] = {
    {"cmdNuovo", art::Glyph::New, nullptr, "Nuova scheda", "Prepara la schermata per la registrazione di una nuova scheda.",
     Qt::CTRL | Qt::Key_N},
    {"cmdSalva", art::Glyph::Save, nullptr, "Salva", "Salva la scheda corrente in archivio.", Qt::CTRL | Qt::Key_S},
    {"cmdTrova", art::Glyph::Find, nullptr, "Trova", "Trova una scheda in archivio.", Qt::CTRL | Qt::Key_F},
    {"cmdImporta", art::Glyph::Open, "IMPORTA VEICOLO", "Importa veicolo", "Importa i dati dal Parco Automezzi.", {},
     14},
    {"cmdStampa", art::Glyph::Print, nullptr, "Stampa", "Stampa la scheda corrente.", Qt::CTRL | Qt::Key_P, 14},
    {"cmdEsporta", art::Glyph::Export, nullptr, "Esporta in Excel",
     "Esporta le schede in archivio in un file di Microsoft Excel."},
};

// After the browse group.
const RecordTool kToolsAfter[] = {
    {"cmdSospese", art::Glyph::Unpaid, "DA SALDARE", "Da saldare", "Visualizza il riepilogo dei pagamenti da saldare.",
     {}, 14},
    {"cmdGuida", art::Glyph::Help, nullptr, "Guida", "Visualizza la pagina della guida sensibile al contesto.",
     Qt::Key_F1, 14},
    {"cmdEsci", art::Glyph::Exit, nullptr, "Esci", "Esci da questa schermata di lavoro.", Qt::Key_Escape},
};

const RecordToolBarPlace kToolBarPlace{QRect(10, 6, 975, 52), 20, QSize(150, 36), 8, 56, 62};

struct RequiredCheck {
    C::Field field;
    const char* warning;
};

QString textOf(const QWidget* w) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentText();
    return {};
}

} // namespace

CostScreen::CostScreen(AppContext& ctx)
    : RecordScreen(ctx, QStringLiteral("frmCosti"), QStringLiteral(" Vestrano 3.0 - Costi sostenuti"), C::layout(),
                   kAppended) {
    QWidget* panel = centredPanel(screen_sizes::kAreaPanel);
    buildStatusLine(panel, QColor(0x6A, 0x5A, 0xCD), kReady);

    for (const char* name : {"lblFile", "lblData"}) {
        (name[3] == 'F' ? m_file : m_date) =
            screen_parts::hiddenLabel(panel, QString::fromLatin1(name));
    }

    buildToolbar(panel);
    buildSections(panel);
}

QWidget* CostScreen::section(QWidget* panel, const QString& name, const QRect& r, QColor colour) {
    QWidget* w = screen_parts::box(panel, name, r, colour);
    m_hints->addBackground(w);
    return w;
}

void CostScreen::buildToolbar(QWidget* panel) {
    buildToolBar(panel, kToolBarPlace, {kToolsBefore, 14, kToolsAfter});
    connectTool("cmdNuovo", [this] { clearEntry(); });
    connectTool("cmdSalva", [this] { save(); });
    connectTool("cmdTrova", [this] { openList(new CostSearchScreen(m_ctx, this, QStringLiteral("Costi"), yearFile())); });
    connectTool("cmdSospese", [this] { openList(new UnpaidListScreen(m_ctx, this, yearFile())); });
    connectTool("cmdImporta", [this] { importVehicle(); });
    connectTool("cmdEsporta", [this] { cost_export::open(m_ctx, this, yearFile()); });
    connectTool("cmdStampa", [this] { cost_printout::print(m_ctx, this, entryOnScreen()); });
    connectTool("cmdGuida", [this] { help::openTopic(m_ctx, this, help::Topic::Costs); });
}

void CostScreen::buildSections(QWidget* panel) {
    section(panel, QStringLiteral("shpVeicolo"), QRect(10, 66, 484, 176));
    section(panel, QStringLiteral("shpData"), QRect(504, 66, 481, 176));
    section(panel, QStringLiteral("shpPagamento"), QRect(10, 252, 484, 296));
    section(panel, QStringLiteral("shpPersone"), QRect(504, 252, 481, 296));
    section(panel, QStringLiteral("shpNote"), QRect(10, 558, 975, 94));
    section(panel, QStringLiteral("shpImporto"), QRect(24, 480, 460, 60), QColor(0xD8, 0xD8, 0xD8));

    m_year = screen_parts::label(panel, QStringLiteral("lblAnno"), QRect(772, 84, 120, 44), {},
                                 {fonts::verdana(24, QFont::Bold), QColor(0x10, 0x2A, 0x60)});
    screen_parts::picture(panel, QStringLiteral("imgCalendario"), QRect(906, 78, 56, 56),
                          art::glyph(QSize(56, 56), art::Glyph::Calendar));
    screen_parts::picture(
        panel, QStringLiteral("imgEuro"), QRect(34, 486, 48, 48),
        art::words(QSize(48, 48), QStringLiteral("€"), QColor(0x20, 0x50, 0x20), 40));

    m_fields = QList<QWidget*>(C::FieldCount, nullptr);
    QList<QWidget*> order;
    const screen_parts::TextLook caption{fonts::verdana(9), QColor(0x00, 0x00, 0x8B)};
    for (const FieldPlace& place : kPlaces) {
        const QString name = QString::fromLatin1(place.name);
        QWidget* field = nullptr;
        if (place.kind == Kind::Text || place.kind == Kind::Amount || place.kind == Kind::Plate) {
            auto* edit = new QLineEdit(panel);
            edit->setObjectName(name);
            edit->setMaxLength(place.maxLength);
            if (place.kind == Kind::Amount) {
                edit->setMaxLength(32767); // the typing limit is the amount rule's own
                cost_fields::makeAmountField(edit);
                edit->setText(QStringLiteral("0,00"));
                m_amount = edit;
            } else if (place.kind == Kind::Plate) {
                cost_fields::makeCapitalsField(edit);
            }
            field = edit;
        } else {
            const QStringList& items = place.kind == Kind::Day     ? cost_rules::days()
                                       : place.kind == Kind::Month ? cost_rules::months()
                                       : place.field == C::Veicolo ? cost_rules::vehicleTypes()
                                                                   : cost_rules::reasons();
            QComboBox* combo = cost_fields::makeListField(panel, name, items, place.maxLength);
            cost_fields::clearSelectionOnFocus(combo);
            if (place.kind == Kind::Day)
                cost_fields::makeDayField(combo);
            else if (place.kind == Kind::Month)
                cost_fields::makeMonthField(combo, Qt::CaseSensitive);
            (place.field == C::Veicolo ? m_type
             : place.field == C::Giorno ? m_day
             : place.field == C::Mese   ? m_month
                                        : m_reason) = combo;
            field = combo;
        }
        field->setFont(fonts::verdana(place.kind == Kind::Amount ? 20 : 12, QFont::Bold));
        field->setGeometry(place.rect);

        const QRect captionPlace =
            place.kind == Kind::Amount
                ? QRect(92, place.rect.y(), 150, place.rect.height())
                : QRect(place.rect.x(), place.rect.y() - 19, place.rect.width(), 17);
        screen_parts::label(panel, {}, captionPlace, QString::fromUtf8(place.caption), caption);

        addFocusFrame(field, 4);
        m_fields[place.field] = field;
        order.append(field);
    }
    chainReturn(order);

    m_paid = new QCheckBox(QStringLiteral("Saldato"), panel);
    m_paid->setObjectName(QStringLiteral("chkSaldato"));
    m_paid->setFont(fonts::verdana(12, QFont::Bold));
    m_paid->setStyleSheet(QStringLiteral("color: #00008B;"));
    m_paid->setGeometry(800, 596, 170, 26);
    m_hints->add(m_paid, QStringLiteral("Spunta questa casella per indicare che il pagamento è stato saldato."));

    // The toolbar is full: the import stands in the free corner of the people section.
    auto* importFile = screen_parts::pictureButton(
        panel, QStringLiteral("cmdImportaFile"), QRect(800, 500, 170, 36),
        art::buttonPicture(QSize(170, 36), QStringLiteral("Importa da file...")),
        QStringLiteral("Importa da file..."));
    m_hints->add(importFile, QStringLiteral("Importa da file i costi di un foglio di calcolo salvato come CSV."));
    connect(importFile, &QPushButton::clicked, this, [this] { csv_import::openForCosts(m_ctx, this, yearFile()); });
}

QWidget* CostScreen::fieldFor(C::Field f) const {
    return m_fields.value(f);
}

QString CostScreen::fieldText(C::Field f) const {
    return textOf(m_fields[f]);
}

void CostScreen::setFieldText(C::Field f, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(m_fields[f]))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(m_fields[f]))
        combo->setEditText(text);
}

void CostScreen::openYear(const QString& year) {
    m_file->setText(CostFile::pathFor(m_ctx.programDir, year));
    setWindowTitle(QStringLiteral(" Vestrano 3.0 - Costi sostenuti nell'anno ") + year);
    m_year->setText(year);
}

QString CostScreen::yearFile() const {
    return m_file->text();
}

void CostScreen::onShow() {
    clearEntry();
}

void CostScreen::clearEntry() {
    for (QComboBox* list : {m_day, m_month, m_reason})
        cost_fields::clearListSelection(list);
    for (int f = 0; f < C::FieldCount; ++f)
        if (m_fields[f])
            setFieldText(static_cast<C::Field>(f), QString());
    m_amount->setText(QStringLiteral("0,00"));
    m_paid->setChecked(false);
    for (QComboBox* list : {m_day, m_month, m_type, m_reason})
        cost_fields::clearListSelection(list);
    m_position->clear();
    m_type->setFocus();
}

void CostScreen::loadEntry(const TSchedaCosto& entry, qint64 position) {
    for (int f = 0; f < C::FieldCount; ++f)
        if (m_fields[f])
            setFieldText(static_cast<C::Field>(f), text::trimmed(entry.values[f]));
    m_year->setText(text::trimmed(entry[C::Anno]));
    m_date->setText(text::trimmed(entry[C::Data]));
    const QString flag = text::trimmed(entry[C::Saldato]);
    if (flag == C::paid())
        m_paid->setChecked(true);
    else if (flag == C::unpaid())
        m_paid->setChecked(false);
    m_position->setText(QString::number(position));
    m_loaded.remember(position, entry.encode());
}

TSchedaCosto CostScreen::entryOnScreen() const {
    TSchedaCosto entry;
    for (int f = 0; f < C::FieldCount; ++f)
        if (m_fields[f])
            entry.values[f] = text::trimmed(fieldText(static_cast<C::Field>(f)));
    entry[C::Anno] = text::trimmed(m_year->text());
    entry[C::Data] = text::trimmed(m_date->text());
    entry[C::Saldato] = m_paid->isChecked() ? C::paid() : C::unpaid();
    return entry;
}

std::unique_ptr<RecordFile> CostScreen::openRecordFile() const {
    return std::make_unique<CostFile>(yearFile());
}

void CostScreen::showStoredRecord(const QByteArray& record, qint64 position) {
    loadEntry(TSchedaCosto::decode(record), position);
}

bool CostScreen::checkBeforeSave() {
    const RequiredCheck required[] = {
        {C::Giorno, "Attenzione: per salvare la scheda è necessario indicare il giorno del pagamento."},
        {C::Giorno, "Attenzione: per salvare la scheda è necessario indicare il giorno del pagamento usando due cifre."},
        {C::Mese, "Attenzione: per salvare la scheda è necessario indicare il mese del pagamento."},
        {C::Causale, "Attenzione: per salvare la scheda è necessario indicare la causale del pagamento."},
        {C::Marca, "Attenzione: per salvare la scheda è necessario indicare la marca del veicolo."},
        {C::Modello, "Attenzione: per salvare la scheda è necessario indicare il modello del veicolo."},
        {C::Targa, "Attenzione: per salvare la scheda è necessario indicare il numero di targa del veicolo."},
        {C::Mese, "Attenzione: selezionare il mese dal menu a cascata.\n\r\n\rPer poter salvare la scheda è "
                  "necessario indicare una data valida."},
    };
    for (std::size_t i = 0; i < std::size(required); ++i) {
        const QString value = text::trimmed(fieldText(required[i].field));
        const bool failed = i == 1   ? value.size() < 2
                            : i == 7 ? cost_rules::monthNumber(value) == 0
                                     : value.isEmpty();
        if (failed) {
            m_ctx.dialogs->notice(this, NoticeKind::Warning, QString::fromUtf8(required[i].warning));
            m_fields[required[i].field]->setFocus();
            return false;
        }
    }
    const QString date = text::trimmed(fieldText(C::Giorno)) + u'/' + cost_rules::monthDigits(fieldText(C::Mese)) +
                         u'/' + text::trimmed(m_year->text());
    m_date->setText(date);
    if (!cost_rules::isCalendarDate(date)) {
        m_ctx.dialogs->message(this, QStringLiteral("Attenzione: la data ") + date + QStringLiteral(" non esiste.") +
                                         QStringLiteral("\n\r\n\r") +
                                         QStringLiteral("Per poter salvare la scheda è necessario indicare una data valida."));
        m_day->setFocus();
        return false;
    }
    if (!cost_rules::isAmountOrBlank(m_amount->text(), cost_rules::AmountForm::Save)) {
        m_ctx.dialogs->notice(this, NoticeKind::Warning, kUnreadableAmount);
        m_amount->setFocus();
        m_amount->selectAll();
        return false;
    }
    return true;
}

void CostScreen::save() {
    for (QComboBox* list : {m_day, m_month, m_reason})
        cost_fields::clearListSelection(list);
    if (cost_rules::isAmountOrBlank(m_amount->text(), cost_rules::AmountForm::Save))
        m_amount->setText(cost_rules::normaliseAmount(m_amount->text(), cost_rules::AmountForm::Save));
    if (!checkBeforeSave())
        return;
    tellStored(storeRecordOnScreen(entryOnScreen().encode()));
}

void CostScreen::openList(CostListScreen* list) {
    connect(list, &CostListScreen::entryChosen, this, &CostScreen::loadEntry);
    list->present();
}

void CostScreen::importVehicle() {
    (new VehicleSearchScreen(m_ctx, this, QStringLiteral("costi"),
                             {[this](const TSchedaVeicolo& card, qint64) { takeVehicle(card); }, {}}))
        ->present();
}

void CostScreen::takeVehicle(const TSchedaVeicolo& card) {
    using V = TSchedaVeicolo;
    // In this order, as the field rules may react to each.
    const std::pair<C::Field, V::Field> pairs[] = {
        {C::Veicolo, V::Tipo},   {C::Marca, V::Marca},         {C::Modello, V::Modello},
        {C::Colore, V::Colore}, {C::Alimentazione, V::Alimentazione}, {C::Targa, V::Targa},
    };
    for (const auto& [entryField, cardField] : pairs)
        setFieldText(entryField, card[cardField]);
}
