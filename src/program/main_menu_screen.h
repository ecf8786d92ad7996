#pragma once

#include "ui/area_screen.h"
#include "help/help_topics.h"

// frmAvvio: the main menu, pictures only; each column opens one working area.
class MainMenuScreen : public AreaScreen {
    Q_OBJECT
public:
    static constexpr const char* kMakerWebAddress = help::kMakerWebAddress;

    explicit MainMenuScreen(AppContext& ctx);

protected:
    void onClose() override;

private:
    void openCosts();
};
