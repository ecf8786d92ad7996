#include "vehicles/vehicle_card_screen.h"
#include "ui/fonts.h"

#include "import/import_dialog.h"

#include "app/app_context.h"
#include "help/help_topics.h"
#include "records/text_rules.h"
#include "ui/artwork.h"
#include "ui/picture_box.h"
#include "ui/return_chain.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "ui/status_hints.h"
#include "vehicle_output/vehicle_export.h"
#include "vehicle_output/vehicle_printout_screen.h"
#include "vehicle_output/vehicle_search_screen.h"
#include "vehicles/attachments_dialog.h"
#include "vehicles/card_field_behaviour.h"
#include "vehicles/date_calendar_dialog.h"
#include "vehicles/photo_zoom_dialog.h"
#include "vehicles/slideshow_dialog.h"
#include "vehicles/vehicle_file.h"
#include "vehicles/vehicle_photo.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using F = TSchedaVeicolo;

const QString kAppended = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kDuplicateNeedsStored = QStringLiteral(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio.");
const QString kLoadPhotoTitle = QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.");
const QString kLoadPhotoFilter = QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)");
const QString kSavePhotoTitle = QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
const QString kSavePhotoFilter = QStringLiteral("File Jpeg (*.jpg)");
const QString kPhotoNotSaved = QStringLiteral("Impossibile salvare la foto del veicolo:\n%1");
const QString kPhotoCopyNotSaved = QStringLiteral("Impossibile salvare la foto:\n%1");
const QString kDuplicated = QStringLiteral(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine premere Salva per "
    "inserire la scheda in archivio.");

struct RequiredField {
    F::Field field;
    const char* warning;
};
const RequiredField kRequired[] = {
    {F::Tipo, "Attenzione: per salvare la scheda è necessario indicare il tipo di veicolo."},
    {F::Marca, "Attenzione: per salvare la scheda è necessario indicare la marca del veicolo."},
    {F::Modello, "Attenzione: per salvare la scheda è necessario indicare il modello del veicolo."},
    {F::Targa, "Attenzione: per salvare la scheda è necessario indicare la targa del veicolo."},
};

struct FieldPlace {
    const char* caption;
    int maxLength;
    QRect rect; // the edit box; its caption stands above it (to its left for the notes)
};

// In field order (Tipo .. Note). Fields 1-23 stand right of the photo, 24-31 under it.
const FieldPlace kPlaces[F::kDataFieldCount] = {
    {"Tipo veicolo:", 50, {330, 118, 324, 26}},
    {"Destinazione ed uso:", 50, {662, 118, 324, 26}},
    {"Marca:", 50, {330, 170, 324, 26}},
    {"Modello:", 50, {662, 170, 324, 26}},
    {"Targa:", 12, {330, 222, 100, 26}},
    {"Immatricolazione:", 20, {438, 222, 132, 26}},
    {"Colore:", 50, {578, 222, 408, 26}},
    {"Telaio:", 10, {330, 274, 200, 26}}, // the card keeps 10 characters
    {"Pneumatici:", 120, {538, 274, 448, 26}},
    {"Stato veicolo:", 50, {330, 326, 244, 26}},
    {"Chilometri percorsi:", 50, {582, 326, 244, 26}},
    {"Data lettura:", 10, {834, 326, 152, 26}},
    {"Alimentazione:", 50, {330, 378, 244, 26}},
    {"Cilindrata:", 50, {582, 378, 200, 26}},
    {"kW:", 50, {790, 378, 196, 26}},
    {"Compatibilità ambientale:", 50, {330, 430, 244, 26}},
    {"Numero posti:", 50, {582, 430, 200, 26}},
    {"Portata massima:", 50, {790, 430, 196, 26}},
    {"Compagnia assicurativa:", 120, {330, 482, 280, 26}},
    {"Tel. assicuratore:", 50, {618, 482, 180, 26}},
    {"Importo polizza:", 50, {806, 482, 180, 26}},
    {"Incidenti subiti:", 250, {330, 534, 420, 26}},
    {"Proprietario:", 50, {758, 534, 228, 26}},
    {"Autista:", 50, {18, 320, 150, 26}},
    {"Telefono:", 50, {174, 320, 138, 26}},
    {"Meccanico:", 50, {18, 390, 150, 26}},
    {"Telefono:", 50, {174, 390, 138, 26}},
    {"Scad. revisione:", 10, {18, 460, 141, 26}},
    {"Scad. tagliando:", 10, {171, 460, 141, 26}},
    {"Scad. assicurazione:", 10, {18, 530, 141, 26}},
    {"Scad. bollo:", 10, {171, 530, 141, 26}},
    {"Note:", 250, {70, 590, 908, 26}},
};

// Before the browse group.
const RecordTool kToolsBefore[] = {
    {"cmdNuovo", art::Glyph::New, nullptr, "Nuova scheda", "Prepara la schermata per l'inserimento di una nuova scheda.",
     Qt::CTRL | Qt::Key_N},
    {"cmdDuplica", art::Glyph::Duplicate, nullptr, "Duplica la scheda",
     "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.", Qt::CTRL | Qt::Key_D},
    {"cmdSalva", art::Glyph::Save, nullptr, "Salva", "Salva la scheda in archivio.", Qt::CTRL | Qt::Key_S},
    {"cmdTrova", art::Glyph::Find, nullptr, "Trova", "Trova una scheda in archivio.", Qt::CTRL | Qt::Key_F},
    {"cmdFile", art::Glyph::Attach, nullptr, "Allegati", "Allega file alla scheda."},
    {"cmdAnteprima", art::Glyph::Preview, "Anteprima", "Anteprima di stampa",
     "Visualizza l'anteprima di stampa della scheda."},
    {"cmdStampa", art::Glyph::Print, "Stampa", "Stampa", "Stampa la scheda.", Qt::CTRL | Qt::Key_P},
};

// After the browse group.
const RecordTool kToolsAfter[] = {
    {"cmdEsporta", art::Glyph::Export, nullptr, "Esporta in Excel", "Esporta archivio in Excel."},
    {"cmdImportaFile", art::Glyph::Open, nullptr, "Importa da file CSV",
     "Importa da file le schede di un foglio di calcolo salvato come CSV."},
    {"cmdSlideshow", art::Glyph::Slideshow, nullptr, "Slide show", "Esegui lo slide show del parco automezzi."},
    {"cmdGuida", art::Glyph::Help, nullptr, "Guida", "Visualizza la guida in linea.", Qt::Key_F1},
    {"cmdEsci", art::Glyph::Exit, nullptr, "Esci", "Esci da questa schermata.", Qt::Key_Escape},
};

const RecordToolBarPlace kToolBarPlace{QRect(0, 6, 996, 52), 10, QSize(104, 36), 10, 50, 56};

} // namespace

VehicleCardScreen::VehicleCardScreen(AppContext& ctx)
    : RecordScreen(ctx, QStringLiteral("frmAutoparco"), QStringLiteral(" Vestrano 3.0 - Parco Automezzi"),
                   F::layout(), kAppended) {
    setGradient(QColor(0x42, 0x7A, 0xA8));
    QWidget* panel = centredPanel(screen_sizes::kCardPanel);
    buildStatusLine(panel, QColor(0x30, 0x30, 0xDD),
                    QStringLiteral("Pronto per registrare una nuova scheda..."));

    buildToolbar(panel);
    buildPhotoArea(panel);
    buildFields(panel);

    m_focusSink = new QPushButton(panel);
    m_focusSink->setObjectName(QStringLiteral("btnFocus"));
    m_focusSink->setGeometry(0, 0, 0, 0); // present but unseen, so it can take the focus

    for (int i = F::kDataFieldCount; i < F::FieldCount; ++i) {
        m_attachments.append(screen_parts::hiddenLabel(panel, F::controlName(i)));
    }
}

void VehicleCardScreen::buildToolbar(QWidget* panel) {
    buildToolBar(panel, kToolBarPlace, {kToolsBefore, 0, kToolsAfter});
    connectTool("cmdNuovo", [this] { clearCard(); });
    connectTool("cmdDuplica", [this] { duplicate(); });
    connectTool("cmdSalva", [this] { save(); });
    connectTool("cmdTrova", [this] {
        const VehicleSink sink{[this](const TSchedaVeicolo& card, qint64 position) { fillFields(card, position); },
                               [this] { loadPhoto(); }}; // the photo once the file is closed
        (new VehicleSearchScreen(m_ctx, this, QStringLiteral("autoparco"), sink))->present();
    });
    connectTool("cmdEsporta", [this] { vehicle_export::open(m_ctx, this); });
    connectTool("cmdImportaFile", [this] { csv_import::openForVehicles(m_ctx, this); });
    const auto openPrintout = [this](VehiclePrintoutScreen::Command command) {
        QStringList fields;
        for (const QLineEdit* f : m_fields)
            fields << f->text();
        VehiclePrintoutScreen::open(m_ctx, this, command, fields, m_photo->picture());
    };
    connectTool("cmdStampa", [openPrintout] { openPrintout(VehiclePrintoutScreen::Command::Print); });
    connectTool("cmdAnteprima", [openPrintout] { openPrintout(VehiclePrintoutScreen::Command::Preview); });
    connectTool("cmdFile", [this] { openAttachments(); });
    connectTool("cmdSlideshow", [this] { (new SlideshowDialog(m_ctx, this))->present(); });
    connectTool("cmdGuida", [this] { help::openTopic(m_ctx, this, help::Topic::VehicleCard); });
}

void VehicleCardScreen::buildPhotoArea(QWidget* panel) {
    m_photo = new PictureBox(panel);
    m_photo->setObjectName(QStringLiteral("imgFoto"));
    m_photo->setGeometry(10, 66, 308, 173);
    m_hints->addBackground(m_photo);
    m_placeholder = new PictureBox(panel);
    m_placeholder->setObjectName(QStringLiteral("imgBianco"));
    m_placeholder->setGeometry(10, 66, 308, 173);
    m_placeholder->setPicture(art::carPlaceholder(QSize(308, 173)).toImage());
    m_placeholder->hide();
    m_photo->setPicture(m_placeholder->picture());

    auto* load = screen_parts::pictureButton(
        panel, QStringLiteral("btnCaricaFoto"), QRect(10, 246, 120, 28),
        art::buttonPicture(QSize(120, 28), QStringLiteral("Carica foto")),
        QStringLiteral("Carica foto"));
    auto* saveAs =
        screen_parts::glyphButton(panel, QStringLiteral("btnSalvaFoto"), QRect(200, 246, 28, 28),
                                  art::Glyph::Save, QStringLiteral("Salva la foto su disco"));
    auto* remove =
        screen_parts::glyphButton(panel, QStringLiteral("btnCancFoto"), QRect(245, 246, 28, 28),
                                  art::Glyph::Eraser, QStringLiteral("Cancella la foto"));
    auto* zoom =
        screen_parts::glyphButton(panel, QStringLiteral("btnZoomFoto"), QRect(290, 246, 28, 28),
                                  art::Glyph::Zoom, QStringLiteral("Foto nelle dimensioni reali"));
    m_hints->add(load, QStringLiteral("Carica una foto."));
    m_hints->add(saveAs, QStringLiteral("Salva la foto su disco."));
    m_hints->add(remove, QStringLiteral("Cancella la foto."));
    m_hints->add(zoom, QStringLiteral("Visualizza la foto nelle sue dimensioni reali."));

    connect(load, &QPushButton::clicked, this, &VehicleCardScreen::loadPhotoFromDisk);
    connect(saveAs, &QPushButton::clicked, this, &VehicleCardScreen::savePhotoCopy);
    connect(remove, &QPushButton::clicked, this, &VehicleCardScreen::showPlaceholder);
    connect(zoom, &QPushButton::clicked, this, &VehicleCardScreen::zoomPhoto);
}

void VehicleCardScreen::buildFields(QWidget* panel) {
    // The pale blue boxes under the photo and behind the notes; the heading over the fields.
    const QColor paleBlue(0xE0, 0xE9, 0xF1);
    m_hints->addBackground(screen_parts::box(panel, QStringLiteral("shpAutista"), QRect(10, 284, 308, 290), paleBlue));
    m_hints->addBackground(screen_parts::box(panel, QStringLiteral("shpNote"), QRect(10, 582, 976, 42), paleBlue));
    QLabel* heading = screen_parts::picture(
        panel, QStringLiteral("imgScheda"), QRect(330, 66, 656, 30),
        art::words(QSize(656, 30), QStringLiteral("SCHEDA VEICOLO"), QColor(0x10, 0x2A, 0x60), 24,
                   true, Qt::AlignLeft | Qt::AlignVCenter));
    m_hints->addBackground(heading);

    QList<QWidget*> order;
    for (int i = 0; i < F::kDataFieldCount; ++i) {
        const FieldPlace& place = kPlaces[i];
        const bool dueDate = i >= F::ScadRevisione && i <= F::ScadBollo;
        const QRect captionPlace =
            i == F::Note ? QRect(18, place.rect.y(), 50, place.rect.height())
                         : QRect(place.rect.x(), place.rect.y() - 18, place.rect.width(), 17);
        screen_parts::label(panel, {}, captionPlace, QString::fromUtf8(place.caption),
                            {fonts::verdana(9), dueDate ? QColor(0x8B, 0x45, 0x13) : QColor()});

        auto* edit = new QLineEdit(panel);
        edit->setObjectName(F::controlName(i));
        edit->setMaxLength(place.maxLength);
        edit->setFont(fonts::verdana(12, QFont::Bold));
        edit->setGeometry(place.rect);
        // The fields on the pale blue boxes are white when idle.
        card_fields::setColours(edit, i >= F::Autista ? QColor(Qt::white) : card_fields::kAliceBlue);
        m_fields.append(edit);
        order.append(edit);
    }
    chainReturn(order);

    card_fields::makePlateField(m_fields[F::Targa]);
    for (F::Field f : {F::Lettura, F::ScadRevisione, F::ScadTagliando, F::ScadAssicurazione, F::ScadBollo}) {
        QLineEdit* edit = m_fields[f];
        card_fields::makeDateField(edit, [this, edit] { openCalendar(edit); });
    }
}

void VehicleCardScreen::openAttachments() {
    AttachmentSlots current;
    for (int i = 0; i < 3; ++i)
        current[i] = {attachmentLabel(F::File01 + i)->text(), attachmentLabel(F::Desc01 + i)->text()};
    const auto apply = [this](const AttachmentSlots& chosen) {
        for (int i = 0; i < 3; ++i) {
            attachmentLabel(F::File01 + i)->setText(chosen[i].name);
            attachmentLabel(F::Desc01 + i)->setText(chosen[i].description);
        }
    };
    (new AttachmentsDialog(m_ctx, this, QStringLiteral("autoparco"), current, apply))->present();
}

void VehicleCardScreen::openCalendar(QLineEdit* field) {
    if (m_calendar) // already up for this key press
        return;
    auto* dialog = new DateCalendarDialog(m_ctx, this, DateCalendarDialog::markFor(field->objectName()),
                                          [field](const QString& date) { field->setText(date); });
    m_calendar = dialog;
    dialog->present();
}

void VehicleCardScreen::onShow() {
    clearCard();
}

void VehicleCardScreen::clearCard() {
    for (QLineEdit* f : m_fields)
        f->clear();
    for (QLabel* l : m_attachments)
        l->clear();
    showPlaceholder();
    m_position->clear();
    m_fields[F::Tipo]->setFocus();
}

void VehicleCardScreen::fillFields(const TSchedaVeicolo& card, qint64 position) {
    for (int i = 0; i < F::kDataFieldCount; ++i) {
        m_fields[i]->setText(text::trimmed(card.values[i]));
        m_fields[i]->setCursorPosition(0); // a long value shows its beginning
    }
    for (int i = F::kDataFieldCount; i < F::FieldCount; ++i)
        attachmentLabel(i)->setText(text::trimmed(card.values[i]));
    m_position->setText(QString::number(position));
    m_loaded.remember(position, card.encode());
}

TSchedaVeicolo VehicleCardScreen::cardOnScreen() const {
    TSchedaVeicolo card;
    for (int i = 0; i < F::kDataFieldCount; ++i)
        card.values[i] = text::trimmed(m_fields[i]->text());
    for (int i = F::kDataFieldCount; i < F::FieldCount; ++i)
        card.values[i] = text::trimmed(attachmentLabel(i)->text());
    return card;
}

void VehicleCardScreen::showPlaceholder() {
    m_photo->setPicture(m_placeholder->picture());
}

void VehicleCardScreen::showPicture(const QImage& picture) {
    if (picture.isNull())
        showPlaceholder();
    else
        m_photo->setPicture(picture);
}

void VehicleCardScreen::loadPhoto() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    showPicture(vehicle_photo::loadCard(m_ctx.programDir, m_position->text()));
    QGuiApplication::restoreOverrideCursor();
}

QString VehicleCardScreen::savePhoto() {
    // A failed write leaves the picture on screen, so the next save can still store it
    // instead of the placeholder.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const bool saved = vehicle_photo::saveCard(m_ctx.programDir, m_position->text(), m_photo->picture(), &error);
    QGuiApplication::restoreOverrideCursor();
    return saved ? QString() : error;
}

void VehicleCardScreen::reportPhotoNotSaved(const QString& error) {
    // The card itself is stored: its own message has been shown, this one only adds the photo.
    if (!error.isEmpty())
        m_ctx.dialogs->notice(this, NoticeKind::Warning, kPhotoNotSaved.arg(error));
}

void VehicleCardScreen::loadPhotoFromDisk() {
    const QString path = m_ctx.dialogs->openFile(this, kLoadPhotoTitle, kLoadPhotoFilter);
    if (path.isEmpty())
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    showPicture(vehicle_photo::read(path));
    QGuiApplication::restoreOverrideCursor();
}

void VehicleCardScreen::savePhotoCopy() {
    const QString path =
        m_ctx.dialogs->saveFile(this, kSavePhotoTitle, kSavePhotoFilter, QStringLiteral("Foto.jpg"), QStringLiteral("jpg"));
    if (path.isEmpty())
        return;
    // A copy for the user: whether or not it could be written, the card keeps its photo.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    const bool saved = vehicle_photo::write(m_photo->picture(), path, {}, &error);
    QGuiApplication::restoreOverrideCursor();
    if (!saved)
        m_ctx.dialogs->notice(this, NoticeKind::Warning, kPhotoCopyNotSaved.arg(error));
}

void VehicleCardScreen::zoomPhoto() {
    auto* dialog = new PhotoZoomDialog(m_ctx, this);
    dialog->setPicture(m_photo->picture());
    dialog->present();
}

std::unique_ptr<RecordFile> VehicleCardScreen::openRecordFile() const {
    return std::make_unique<VehicleFile>(m_ctx.programDir);
}

void VehicleCardScreen::showStoredRecord(const QByteArray& record, qint64 position) {
    fillFields(TSchedaVeicolo::decode(record), position);
    loadPhoto();
}

void VehicleCardScreen::save() {
    m_focusSink->setFocus();
    for (const RequiredField& r : kRequired) {
        if (text::isBlank(m_fields[r.field]->text())) {
            m_ctx.dialogs->notice(this, NoticeKind::Warning, QString::fromUtf8(r.warning));
            m_fields[r.field]->setFocus();
            return;
        }
    }
    const Stored stored = storeRecordOnScreen(cardOnScreen().encode());
    if (stored == Stored::Nothing)
        return;
    const QString photoError = savePhoto();
    tellStored(stored);
    reportPhotoNotSaved(photoError);
}

void VehicleCardScreen::duplicate() {
    if (text::trimmed(m_position->text()).isEmpty()) {
        m_ctx.dialogs->notice(this, NoticeKind::Warning, kDuplicateNeedsStored);
        return;
    }
    for (QLabel* l : m_attachments)
        l->clear();
    m_position->clear();
    showPlaceholder();
    m_fields[F::Tipo]->setFocus();
    m_ctx.dialogs->notice(this, NoticeKind::Information, kDuplicated);
}
