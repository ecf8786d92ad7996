#include "vehicles/attachments_dialog.h"
#include "ui/fonts.h"

#include "app/app_context.h"
#include "help/info_artwork.h"
#include "records/text_rules.h"
#include "records/whole_file_save.h"
#include "ui/artwork.h"
#include "ui/gradient.h"
#include "ui/screen_parts.h"
#include "vehicles/attachment_files.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kPickTitle = QStringLiteral("Selezionare il file da allegare:");
const QString kPickFilter = QStringLiteral("Tutti i file (*)");
const QString kOverwrite = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\nSi vuole "
    "sovrascrivere il file esistente?");
const QString kNameCharacters = QStringLiteral(
    "Impossibile allegare il file \"%1\": il nome contiene caratteri che la scheda del veicolo non può "
    "registrare.\n\nRinominare il file e riprovare.");
const QString kNameTooLong = QStringLiteral(
    "Impossibile allegare il file \"%1\": il nome supera i %2 caratteri che la scheda del veicolo può "
    "registrare.\n\nRinominare il file e riprovare.");
const QString kCannotCopy =
    QStringLiteral("Impossibile copiare il file \"%1\" nella cartella dei documenti allegati:\n%2");

const QSize kCaptionSize(400, 18);

} // namespace

AttachmentsDialog::AttachmentsDialog(AppContext& ctx, QWidget* opener, const QString& callerMark,
                                     const AttachmentSlots& current, Apply onApply)
    : DialogScreen(ctx, opener, QStringLiteral("frmAllegaCartella"), QStringLiteral(" Allega file"),
                   Window::FixedCentred, QSize(634, 534)),
      m_apply(std::move(onApply)) {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panContainer"));
    panel->setGeometry(0, 0, 634, 534);

    QWidget* heading = screen_parts::box(panel, {}, QRect(12, 10, 610, 72), Qt::white);
    screen_parts::picture(
        heading, QStringLiteral("imgLogo"), QRect(0, 0, 610, 72),
        art::instructions(QSize(610, 72), art::glyph(QSize(48, 48), art::Glyph::Attach),
                          QStringLiteral("Scegliere con Sfoglia... i documenti da allegare, "
                                         "premere Applica e chiudi e poi il pulsante "
                                         "Salva della scheda per registrare le modifiche. Il "
                                         "pulsante Apri apre il file allegato.")));

    const char* ordinals[] = {"1°", "2°", "3°"};
    QWidget* previous = nullptr;
    const screen_parts::TextLook caption{fonts::verdana(10)};
    for (int i = 0; i < 3; ++i) {
        const QString n = QStringLiteral("0%1").arg(i + 1);
        const int y = 92 + i * 128;
        auto* frame = new QWidget(panel);
        frame->setObjectName(QStringLiteral("shpFile") + n);
        frame->setGeometry(12, y, 610, 118);
        frame->setStyleSheet(QStringLiteral("#shpFile%1 { border: 1px solid #6A8CB0; background: #F4F8FC; }").arg(n));
        frame->setAttribute(Qt::WA_StyledBackground);

        const QString ordinal = QString::fromUtf8(ordinals[i]);
        screen_parts::label(panel, QStringLiteral("lblCampo0%1").arg(i * 2 + 1),
                            QRect(QPoint(24, y + 8), kCaptionSize),
                            QStringLiteral("Nome %1 file allegato:").arg(ordinal), caption);
        Slot& slot = m_slots[i];
        slot.name = new QLineEdit(panel);
        slot.name->setObjectName(QStringLiteral("txtFile") + n);
        slot.name->setGeometry(24, y + 28, 380, 26);
        slot.name->setReadOnly(true);
        slot.name->setFont(fonts::verdana(11, QFont::Bold));
        slot.name->setStyleSheet(QStringLiteral("QLineEdit { background: #E4E4E4; color: #404040; }"));

        auto* eraser = screen_parts::glyphButton(panel, QStringLiteral("imgCancella") + n,
                                                 QRect(410, y + 28, 26, 26), art::Glyph::Eraser,
                                                 QStringLiteral("Cancella l'allegato ") + n);
        auto* browse = new QPushButton(QStringLiteral("Sfoglia..."), panel);
        browse->setObjectName(QStringLiteral("btnSfoglia") + n);
        browse->setGeometry(444, y + 27, 84, 28);
        slot.open = new QPushButton(QStringLiteral("Apri"), panel);
        slot.open->setObjectName(QStringLiteral("btnApri") + n);
        slot.open->setGeometry(534, y + 27, 76, 28);
        slot.open->setEnabled(false);

        screen_parts::label(panel, QStringLiteral("lblCampo0%1").arg(i * 2 + 2),
                            QRect(QPoint(24, y + 62), kCaptionSize),
                            QStringLiteral("Descrizione %1 file allegato:").arg(ordinal), caption);
        slot.description = new QLineEdit(panel);
        slot.description->setObjectName(QStringLiteral("txtDesc") + n);
        slot.description->setGeometry(24, y + 82, 586, 26);
        slot.description->setFont(fonts::verdana(12, QFont::Bold));

        for (QWidget* w : {static_cast<QWidget*>(slot.name), static_cast<QWidget*>(browse),
                           static_cast<QWidget*>(slot.open), static_cast<QWidget*>(slot.description)}) {
            if (previous)
                setTabOrder(previous, w);
            previous = w;
        }

        QPushButton* open = slot.open;
        QLineEdit* name = slot.name;
        connect(slot.name, &QLineEdit::textChanged, open,
                [open](const QString& text) { open->setEnabled(!text::isBlank(text)); });
        connect(eraser, &QPushButton::clicked, name, &QLineEdit::clear);
        connect(browse, &QPushButton::clicked, this, [this, i] { this->browse(m_slots[i]); });
        connect(slot.open, &QPushButton::clicked, this, [this, i] { openDocument(m_slots[i]); });
    }

    auto* apply = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    apply->setObjectName(QStringLiteral("btnApplica"));
    apply->setGeometry(462, 488, 160, 34);
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    cancel->setGeometry(12, 488, 120, 34);
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b->objectName().startsWith(QLatin1String("img")))
            continue;
        b->setCursor(Qt::PointingHandCursor);
        b->setAutoDefault(false);
    }
    setTabOrder(previous, apply);
    setTabOrder(apply, cancel);
    connect(apply, &QPushButton::clicked, this, &AttachmentsDialog::apply);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    m_mark = screen_parts::hiddenLabel(this, QStringLiteral("lblMemory"), callerMark);

    for (std::size_t i = 0; i < current.size(); ++i) {
        m_slots[i].name->setText(text::trimmed(current[i].name));
        m_slots[i].description->setText(text::trimmed(current[i].description));
    }
}

void AttachmentsDialog::browse(const Slot& slot) {
    const QString source = m_ctx.dialogs->openFile(this, kPickTitle, kPickFilter);
    if (source.isEmpty())
        return;
    const QString name = QFileInfo(source).fileName();
    switch (attachment_files::nameFit(name)) {
    case attachment_files::NameFit::Characters:
        m_ctx.dialogs->notice(this, NoticeKind::Warning, kNameCharacters.arg(name));
        return;
    case attachment_files::NameFit::TooLong:
        m_ctx.dialogs->notice(this, NoticeKind::Warning, kNameTooLong.arg(name).arg(attachment_files::nameCapacity()));
        return;
    case attachment_files::NameFit::Fits:
        break;
    }
    // A copy that fails gives the slot its old name back: the new one would name no document,
    // or an older one of that name.
    const QString previous = slot.name->text();
    slot.name->setText(name);
    QString error;
    const auto copyFailed = [&] {
        slot.name->setText(previous);
        m_ctx.dialogs->notice(this, NoticeKind::Error, kCannotCopy.arg(name, error));
    };
    if (!attachment_files::ensureFolder(m_ctx.programDir, &error))
        return copyFailed();
    const QString target = attachment_files::pathFor(m_ctx.programDir, slot.name->text());
    if (target.isEmpty())
        return;
    if (QFileInfo::exists(target) && !m_ctx.dialogs->question(this, kOverwrite))
        return;
    if (!copyWholeFile(source, target, &error))
        copyFailed();
}

void AttachmentsDialog::openDocument(const Slot& slot) {
    const QString path = attachment_files::pathFor(m_ctx.programDir, slot.name->text());
    if (path.isEmpty())
        return;
    m_ctx.shell->open(u'"' + path + u'"');
}

void AttachmentsDialog::apply() {
    if (!m_apply)
        return;
    AttachmentSlots chosen;
    for (std::size_t i = 0; i < chosen.size(); ++i)
        chosen[i] = {text::trimmed(m_slots[i].name->text()), text::trimmed(m_slots[i].description->text())};
    m_apply(chosen);
    close();
}

void AttachmentsDialog::paintEvent(QPaintEvent*) {
    paintVerticalGradient(this, QColor(0x46, 0x82, 0xB4), Qt::white);
}
