#pragma once

#include "help/maker.h"

#include <QList>
#include <QString>

class QWidget;
struct AppContext;

// The help, about and credits screens, opened from many places.
namespace help {

// The cost menu and the cost entry screen share one topic.
enum class Topic {
    MainMenu, VehicleCard, Deadlines, Costs, CostSummary, Statistics, VehicleExport, CostExport, Backup
};

// Paragraphs are separated by an empty line ("\r\n\r\n").
QString title(Topic topic);
QString text(Topic topic);
// Every topic once, in the order of the user guide.
QList<Topic> allTopics();

void openTopic(AppContext& ctx, QWidget* opener, Topic topic);
void openAbout(AppContext& ctx, QWidget* opener);
void openCredits(AppContext& ctx, QWidget* opener);

} // namespace help
