#include "ui/data_folder_choice.h"

#include "app/app_context.h"
#include "app/data_folder.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kTitle = QStringLiteral("Scegli la cartella dei dati");
const QString kNotRemembered = QStringLiteral(
    "Attenzione: non è stato possibile ricordare la cartella scelta; sarà usata fino alla chiusura "
    "del programma.");
const QString kNotSeeded = QStringLiteral(
    "Attenzione: non è stato possibile copiare la password iniziale nella cartella scelta.");

} // namespace

DataFolderChoice::DataFolderChoice(AppContext& ctx, const QString& seededFile, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_seededFile(seededFile) {
    auto* button = new QPushButton(QStringLiteral("Cartella dati..."), this);
    button->setObjectName(QStringLiteral("cmdCartellaDati"));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { color: #00008B; text-decoration: underline; border: none;"
                                         " padding: 0px; text-align: left; }"));
    button->setToolTip(QStringLiteral("Scegli la cartella in cui il programma tiene i dati, "
                                      "ad esempio una cartella condivisa in rete."));

    m_folder = new QLabel(this);
    m_folder->setObjectName(QStringLiteral("lblCartellaDati"));
    m_folder->setMinimumWidth(0);
    m_folder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    row->addWidget(button);
    row->addWidget(m_folder, 1);

    connect(button, &QPushButton::clicked, this, &DataFolderChoice::choose);
    showFolder();
}

void DataFolderChoice::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    showFolder();
}

void DataFolderChoice::showFolder() {
    const QString shown = QDir::toNativeSeparators(m_ctx.programDir);
    m_folder->setToolTip(shown);
    m_folder->setText(m_folder->fontMetrics().elidedText(shown, Qt::ElideMiddle, m_folder->width()));
}

void DataFolderChoice::choose() {
    const QString dir = m_ctx.dialogs->chooseFolder(window(), kTitle, m_ctx.programDir);
    if (dir.isEmpty())
        return;
    if (const QString problem = data_folder::problemWith(dir); !problem.isEmpty()) {
        m_ctx.dialogs->notice(window(), NoticeKind::Warning, problem);
        return;
    }
    const QString programDir = data_folder::withSeparator(QDir(dir).absolutePath());
    if (!data_folder::seed(programDir, m_ctx.deliveredDir, m_seededFile)) {
        m_ctx.dialogs->notice(window(), NoticeKind::Warning, kNotSeeded);
        return;
    }
    m_ctx.programDir = programDir;
    showFolder();
    if (!data_folder::remember(m_ctx.settingsFile, dir))
        m_ctx.dialogs->notice(window(), NoticeKind::Warning, kNotRemembered);
    emit changed();
}
