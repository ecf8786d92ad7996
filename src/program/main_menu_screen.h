#pragma once

#include "ui/area_screen.h"
#include "help/help_topics.h"

class BackupRunner;
class QLabel;
class QProgressBar;
// frmAvvio: the main menu, pictures only; each column opens one working area.
class MainMenuScreen : public AreaScreen {
    Q_OBJECT
public:
    static constexpr const char* kMakerWebAddress = help::kMakerWebAddress;

    MainMenuScreen(AppContext& ctx, BackupRunner& backups);

protected:
    void onClose() override;

private:
    void openCosts();
    // A backup at work in the background shows its progress in the bottom band.
    void addBackupControls(QWidget* panel);

    BackupRunner& m_backups;
};
