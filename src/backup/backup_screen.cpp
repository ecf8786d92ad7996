#include "backup/backup_screen.h"

#include "app/app_context.h"
#include "backup/backup_runner.h"
#include "help/help_topics.h"
#include "ui/artwork.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "ui/status_hints.h"
#include "ui/tool_frame.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QThread>

namespace {

const QString kIdleHint = QStringLiteral("Backup dei dati e ripristino da un backup.");

} // namespace

BackupScreen::BackupScreen(AppContext& ctx, QWidget* opener, BackupRunner& runner)
    : DialogScreen(ctx, opener, QStringLiteral("frmBackup"),
                   QStringLiteral(" Vestrano 3.0 - Backup e ripristino"), Window::FixedCentred,
                   screen_sizes::kListWindow),
      m_runner(runner) {
    const ToolFrame frame = buildToolFrame(this, kIdleHint, 560);
    m_info = frame.info;
    m_bar = new QProgressBar(frame.strip);
    m_bar->setObjectName(QStringLiteral("barProgresso"));
    m_bar->setGeometry(580, 8, 270, 18);
    m_bar->setRange(0, 100);
    m_bar->hide();

    StatusHints* hints = frame.hints;

    m_backupButton = screen_parts::pictureButton(
        this, QStringLiteral("cmdBackup"), QRect(20, 20, 190, 36),
        art::buttonPicture(QSize(190, 36), QStringLiteral("Esegui backup ora")),
        QStringLiteral("Esegui backup ora"));
    m_restoreButton = screen_parts::pictureButton(
        this, QStringLiteral("cmdRipristina"), QRect(220, 20, 190, 36),
        art::buttonPicture(QSize(190, 36), QStringLiteral("Ripristina")),
        QStringLiteral("Ripristina"));
    hints->add(m_backupButton, QStringLiteral("Salva ora una copia di tutti i dati nella cartella Backup."));
    hints->add(m_restoreButton,
               QStringLiteral("Rimette i dati come erano al momento del backup scelto."));

    QWidget* container = frame.work;
    screen_parts::label(container, QStringLiteral("lblCartella"), QRect(8, 4, 826, 22),
                        QStringLiteral("Cartella: %1")
                            .arg(QDir::toNativeSeparators(backup::folderIn(ctx.programDir))),
                        {QFont(QStringLiteral("Tahoma"), 9), QColor(0x20, 0x30, 0x60)});

    m_model = new QStandardItemModel(0, 6, this);
    m_model->setHorizontalHeaderLabels({QStringLiteral("Data del backup"), QStringLiteral("Dimensione"),
                                        QStringLiteral("Schede"), QStringLiteral("Costi per anno"),
                                        QStringLiteral("Foto"), QStringLiteral("Allegati")});
    m_grid = new QTableView(container);
    m_grid->setObjectName(QStringLiteral("grdBackup"));
    m_grid->setGeometry(6, 28, 830, 406);
    m_grid->setModel(m_model);
    m_grid->setFont(QFont(QStringLiteral("Tahoma"), 9));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(21);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {150, 90, 70, 340, 60};
    for (int i = 0; i < 5; ++i)
        m_grid->setColumnWidth(i, widths[i]);
    hints->addBackground(m_grid->viewport());

    connect(m_backupButton, &QPushButton::clicked, this, [this] { m_runner.startBackup(BackupRunner::Job::OnRequest); });
    connect(m_restoreButton, &QPushButton::clicked, this, [this] { restoreChosen(); });
    connect(frame.help, &QPushButton::clicked, this,
            [this] { help::openTopic(m_ctx, this, help::Topic::Backup); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateButtons(); });

    connect(&m_runner, &BackupRunner::started, this, [this](BackupRunner::Job job) {
        m_activity = job == BackupRunner::Job::Restore ? QStringLiteral("Ripristino in corso...")
                                                       : QStringLiteral("Backup in corso...");
        m_bar->show();
        updateButtons();
    });
    connect(&m_runner, &BackupRunner::progressed, this, [this](int percent) { showProgress(percent); });
    connect(&m_runner, &BackupRunner::finished, this, [this] {
        m_bar->hide();
        m_info->setText(kIdleHint);
        loadList();
    });
    if (m_runner.isRunning()) {
        m_activity = QStringLiteral("Backup in corso...");
        m_bar->show();
        showProgress(m_runner.percent());
    }
}

BackupScreen* BackupScreen::open(AppContext& ctx, QWidget* opener, BackupRunner& runner) {
    auto* screen = new BackupScreen(ctx, opener, runner);
    screen->loadList();
    screen->present();
    return screen;
}

void BackupScreen::showProgress(int percent) {
    m_bar->setValue(percent);
    m_info->setText(QStringLiteral("%1 %2%").arg(m_activity).arg(percent));
}

void BackupScreen::loadList() {
    m_loading = true;
    updateButtons();
    const QString dir = m_ctx.programDir;
    QPointer<BackupScreen> self(this);
    QThread* worker = QThread::create([self, dir] {
        const QList<backup::Summary> found = backup::summariseAll(dir);
        QMetaObject::invokeMethod(QCoreApplication::instance(), [self, found] {
            if (self)
                self->showList(found);
        });
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}

void BackupScreen::showList(const QList<backup::Summary>& backups) {
    m_backups = backups;
    m_model->removeRows(0, m_model->rowCount());
    for (const backup::Summary& s : backups) {
        QList<QStandardItem*> row;
        const auto cell = [&row](const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
            auto* item = new QStandardItem(text);
            item->setTextAlignment(align);
            row.append(item);
        };
        const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
        cell(s.takenAt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
        cell(backup::sizeText(s.bytes), right);
        if (s.readable) {
            cell(QString::number(s.cards), right);
            cell(backup::yearsText(s));
            cell(QString::number(s.photos), right);
            cell(QString::number(s.attachments), right);
        } else {
            cell(QString());
            cell(QStringLiteral("archivio non leggibile"));
        }
        m_model->appendRow(row);
    }
    m_loading = false;
    updateButtons();
    emit listLoaded();
}

void BackupScreen::updateButtons() {
    const bool idle = !m_runner.isRunning();
    m_backupButton->setEnabled(idle);
    const QModelIndexList chosen = m_grid->selectionModel()->selectedRows();
    m_restoreButton->setEnabled(idle && !m_loading && !chosen.isEmpty() &&
                                m_backups.value(chosen.first().row()).readable);
}

void BackupScreen::restoreChosen() {
    const QModelIndexList chosen = m_grid->selectionModel()->selectedRows();
    if (chosen.isEmpty() || m_runner.isRunning())
        return;
    const backup::Summary s = m_backups.value(chosen.first().row());
    if (!m_ctx.dialogs->question(
            this, QStringLiteral("Ripristinare i dati com'erano al backup del %1?\r\n\r\n"
                                 "Prima del ripristino viene fatto un backup dei dati attuali. Le altre copie del "
                                 "programma che usano questa cartella dei dati devono essere chiuse.")
                      .arg(s.takenAt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")))))
        return;
    m_runner.startRestore(s.path);
}
