#pragma once

#include "ui/area_screen.h"
#include "help/help_topics.h"

class BackupRunner;
class QLabel;
class QProgressBar;
class QPushButton;
// frmAvvio: the main menu, pictures only; each column opens one working area.
class MainMenuScreen : public AreaScreen {
    Q_OBJECT
public:
    static constexpr const char* kMakerWebAddress = help::kMakerWebAddress;

    MainMenuScreen(AppContext& ctx, BackupRunner& backups);

protected:
    void onShow() override;
    void onClose() override;

private:
    void openCosts();
    // A backup at work in the background shows its progress in the bottom band.
    // Returns the button that opens the backup screen.
    QPushButton* addBackupControls(QWidget* panel);

    BackupRunner& m_backups;
    QPushButton* m_firstArea = nullptr; // where the keyboard starts
};
