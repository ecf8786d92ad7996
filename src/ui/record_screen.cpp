#include "ui/record_screen.h"

#include "app/app_context.h"
#include "records/record_file.h"
#include "records/text_rules.h"
#include "ui/loaded_record_update.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "ui/shared_messages.h"
#include "ui/status_hints.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QString kUpdated = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

} // namespace

RecordScreen::RecordScreen(AppContext& ctx, const QString& name, const QString& caption, const RecordLayout& layout,
                           const QString& appendedMessage)
    : AreaScreen(ctx, name, caption, Window::Maximised), m_loaded(layout), m_appendedMessage(appendedMessage) {}

void RecordScreen::buildStatusLine(QWidget* panel, const QColor& fill, const QString& ready) {
    m_info =
        screen_parts::statusLine(panel, screen_sizes::statusLineAlong(panel->size()), ready, fill);
    m_hints = new StatusHints(m_info, this);
    m_hints->addBackground(this);
    m_hints->addBackground(panel);
}

void RecordScreen::buildToolBar(QWidget* panel, const RecordToolBarPlace& place, const RecordTools& tools) {
    m_position = buildRecordToolBar(this, panel, m_hints, place, tools);
    connectTool("cmdPrimo", [this] { browse(Browse::First); });
    connectTool("cmdIndietro", [this] { browse(Browse::Previous); });
    connectTool("cmdAvanti", [this] { browse(Browse::Next); });
    connectTool("cmdUltimo", [this] { browse(Browse::Last); });
    connectTool("cmdEsci", [this] { close(); });
}

void RecordScreen::connectTool(const char* name, const std::function<void()>& action) {
    connect(findChild<QPushButton*>(QString::fromLatin1(name)), &QPushButton::clicked, this, action);
}

void RecordScreen::guarded(const std::function<void()>& event) {
    try {
        event();
    } catch (const RecordFileError&) {
        m_ctx.dialogs->notice(this, NoticeKind::Error, shared_messages::accessFailure());
    }
}

void RecordScreen::browse(Browse command) {
    guarded([this, command] {
        const std::unique_ptr<RecordFile> file = openRecordFile();
        const BrowseStep step = browseStep(command, m_position->text(), file->count());
        if (step.clearPosition)
            m_position->clear();
        if (step.position > 0) {
            const QByteArray record = file->readAt(step.position);
            file->close();
            showStoredRecord(record, step.position);
            return;
        }
        file->close();
        if (step.reportEmpty)
            m_ctx.dialogs->notice(this, NoticeKind::Information, shared_messages::emptyFile());
    });
}

RecordScreen::Stored RecordScreen::storeRecordOnScreen(const QByteArray& record) {
    Stored stored = Stored::Nothing;
    guarded([&] {
        const std::unique_ptr<RecordFile> file = openRecordFile();
        const QString position = text::trimmed(m_position->text());
        // 0: the user chose to keep the stored record, and the screen stays as it is.
        const qint64 p = saveRecordOnScreen(*m_ctx.dialogs, this, *file, position, record, m_loaded);
        if (p == 0)
            return;
        m_position->setText(QString::number(p));
        file->close();
        stored = position.isEmpty() ? Stored::Appended : Stored::Updated;
    });
    return stored;
}

void RecordScreen::tellStored(Stored stored) {
    if (stored != Stored::Nothing)
        m_ctx.dialogs->notice(this, NoticeKind::Information, stored == Stored::Updated ? kUpdated : m_appendedMessage);
}
