#include "app/help_topics.h"

// The help screens come with the user guide; until then the buttons do nothing.
namespace help {

void openTopic(AppContext&, QWidget*, Topic) {}
void openAbout(AppContext&, QWidget*) {}
void openCredits(AppContext&, QWidget*) {}

} // namespace help
