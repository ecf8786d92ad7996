#pragma once

#include "app/area_screen.h"

// frmAvvio: the main menu, pictures only; each column opens one working area.
class MainMenuScreen : public AreaScreen {
    Q_OBJECT
public:
    static constexpr const char* kMakerWebAddress = "https://www.vestrano.it";

    explicit MainMenuScreen(AppContext& ctx);

protected:
    void onClose() override;

private:
    void openCosts();
};
