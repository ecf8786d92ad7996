#include "backup/backup_runner.h"

#include "app/app_context.h"
#include "backup/backup_folder.h"
#include "backup/restore_job.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>

namespace {

QWidget* noticeParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

BackupRunner::BackupRunner(AppContext& ctx, QObject* parent) : QObject(parent), m_ctx(ctx) {
    m_tick.setInterval(100);
    connect(&m_tick, &QTimer::timeout, this, [this] { emit progressed(percent()); });
}

BackupRunner::~BackupRunner() {
    if (!m_thread)
        return;
    // A restore half done would leave the data half restored: that one is finished.
    if (m_job != Job::Restore)
        m_progress.abandoned = true;
    m_thread->wait();
}

void BackupRunner::atLogin(QWidget* screen) {
    const QDateTime now = m_ctx.clock->now();
    const auto newest = backup::newestIn(m_ctx.programDir);
    if (backup::isDue(newest, now))
        startBackup(Job::Automatic);
    if (backup::isOverdue(newest, now))
        m_ctx.dialogs->notice(screen, NoticeKind::Warning,
                              QStringLiteral("Attenzione: l'ultimo backup dei dati risale al %1, %2 giorni fa.\n\r\n\r"
                                             "Un nuovo backup viene eseguito ora nella cartella Backup.")
                                  .arg(newest->toString(QStringLiteral("dd/MM/yyyy")))
                                  .arg(newest->daysTo(now)));
}

bool BackupRunner::startBackup(Job job) {
    const QString dir = m_ctx.programDir;
    const QDateTime now = m_ctx.clock->now();
    return start(job, [dir, now](backup::Progress* progress) { return backup::takeBackup(dir, now, progress); });
}

bool BackupRunner::startRestore(const QString& archivePath) {
    const QString dir = m_ctx.programDir;
    const QDateTime now = m_ctx.clock->now();
    return start(Job::Restore, [dir, archivePath, now](backup::Progress* progress) {
        return backup::restoreBackup(dir, archivePath, now, progress);
    });
}

int BackupRunner::percent() const {
    const qint64 total = m_progress.total;
    if (total <= 0)
        return 0;
    return static_cast<int>(std::min<qint64>(100, m_progress.done * 100 / total));
}

bool BackupRunner::start(Job job, std::function<backup::Outcome(backup::Progress*)> work) {
    if (m_thread)
        return false;
    m_progress.done = 0;
    m_progress.total = 0;
    m_progress.abandoned = false;
    m_job = job;
    m_thread.reset(QThread::create([this, job, work = std::move(work)] {
        const backup::Outcome outcome = work(&m_progress);
        QMetaObject::invokeMethod(this, [this, job, outcome] { end(job, outcome); }, Qt::QueuedConnection);
    }));
    m_thread->start(QThread::LowPriority);
    m_tick.start();
    emit started(job);
    emit progressed(0);
    return true;
}

void BackupRunner::waitForEnd() {
    if (!m_thread)
        return;
    QEventLoop loop;
    connect(this, &BackupRunner::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

void BackupRunner::end(Job job, const backup::Outcome& outcome) {
    m_thread->wait();
    m_thread.reset();
    m_tick.stop();
    emit finished(job, outcome.ok);

    const QString name = QFileInfo(outcome.path).fileName();
    QString text;
    NoticeKind kind = NoticeKind::Error;
    switch (job) {
    case Job::Automatic:
        if (!outcome.ok)
            text = QStringLiteral("Il backup automatico dei dati non è riuscito: %1.\n\r\n\r"
                                  "I backup precedenti non sono stati modificati.")
                       .arg(outcome.error);
        break;
    case Job::OnRequest:
        if (outcome.ok) {
            kind = NoticeKind::Information;
            text = QStringLiteral("Backup eseguito: %1").arg(name);
        } else {
            text = QStringLiteral("Il backup dei dati non è riuscito: %1.\n\r\n\r"
                                  "I backup precedenti non sono stati modificati.")
                       .arg(outcome.error);
        }
        break;
    case Job::Restore:
        if (outcome.ok) {
            kind = NoticeKind::Information;
            text = QStringLiteral("Ripristino completato.\n\r\n\rI dati di prima del ripristino sono nel backup %1.")
                       .arg(name);
        } else {
            text = QStringLiteral("Il ripristino non è riuscito: %1.").arg(outcome.error);
            if (!outcome.dataChanged)
                text += QStringLiteral("\n\r\n\rI dati attuali non sono stati modificati.");
        }
        break;
    }
    if (!text.isEmpty())
        m_ctx.dialogs->notice(noticeParent(), kind, text);
}
