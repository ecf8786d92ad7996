#include "help/help_topics.h"

#include "help/help_screens.h"

namespace help {

void openTopic(AppContext& ctx, QWidget* opener, Topic topic) {
    auto* screen = new HelpScreen(ctx, opener);
    screen->setTopic(title(topic), text(topic));
    screen->present();
}

void openAbout(AppContext& ctx, QWidget* opener) {
    (new AboutScreen(ctx, opener))->present();
}

void openCredits(AppContext& ctx, QWidget* opener) {
    (new CreditsScreen(ctx, opener))->present();
}

} // namespace help
