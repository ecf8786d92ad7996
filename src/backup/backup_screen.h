#pragma once

#include "backup/backup_summary.h"
#include "ui/dialog_screen.h"

#include <QList>

class BackupRunner;
class QLabel;
class QProgressBar;
class QPushButton;
class QStandardItemModel;
class QTableView;

// frmBackup: the backups of the data folder, a backup on request, and a restore.
class BackupScreen : public DialogScreen {
    Q_OBJECT
public:
    static BackupScreen* open(AppContext& ctx, QWidget* opener, BackupRunner& runner);

    // The list as shown, newest first (filled in the background after opening).
    const QList<backup::Summary>& backups() const { return m_backups; }
    bool isLoading() const { return m_loading; }

signals:
    void listLoaded();

private:
    BackupScreen(AppContext& ctx, QWidget* opener, BackupRunner& runner);

    // Reading 30 archive directories of thousands of entries takes a moment: done on a
    // worker thread so the screen opens at once.
    void loadList();
    void showList(const QList<backup::Summary>& backups);
    void restoreChosen();
    void updateButtons();
    void showProgress(int percent);

    BackupRunner& m_runner;
    QList<backup::Summary> m_backups;
    bool m_loading = false;
    QStandardItemModel* m_model = nullptr;
    QTableView* m_grid = nullptr;
    QPushButton* m_backupButton = nullptr;
    QPushButton* m_restoreButton = nullptr;
    QLabel* m_info = nullptr;
    QProgressBar* m_bar = nullptr;
    QString m_activity;
};
