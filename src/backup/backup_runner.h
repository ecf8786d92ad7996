#pragma once

#include "backup/backup_job.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QThread;
class QWidget;
struct AppContext;

// Runs backups and restores on a worker thread, one at a time, so the user can go on working;
// reports progress while one runs and tells how it ended.
class BackupRunner : public QObject {
    Q_OBJECT
public:
    enum class Job { Automatic, OnRequest, Restore };

    explicit BackupRunner(AppContext& ctx, QObject* parent = nullptr);
    // Waits for a restore still running; a backup still running is abandoned (its archive is
    // never committed, the earlier backups stay as they are), so closing never waits for it.
    ~BackupRunner() override;

    // After the password: a warning when the newest backup is too old, and a backup in the
    // background when one is due.
    void atLogin(QWidget* screen);

    bool isRunning() const { return m_thread != nullptr; }
    // False when a job is running already.
    bool startBackup(Job job = Job::OnRequest);
    bool startRestore(const QString& archivePath);
    // 0..100 for the job running now.
    int percent() const;
    // Blocks until the running job, if any, has ended and reported (for tests and the bench).
    void waitForEnd();

signals:
    void started(BackupRunner::Job job);
    void progressed(int percent);
    void finished(BackupRunner::Job job, bool ok);

private:
    bool start(Job job, std::function<backup::Outcome(backup::Progress*)> work);
    void end(Job job, const backup::Outcome& outcome);

    AppContext& m_ctx;
    std::unique_ptr<QThread> m_thread;
    Job m_job = Job::Automatic; // the one running, while m_thread is set
    backup::Progress m_progress;
    QTimer m_tick;
};
