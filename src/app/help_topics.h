#pragma once

class QWidget;
struct AppContext;

// The help, about and credits screens, opened from many places.
namespace help {

// The cost menu and the cost entry screen share one topic.
enum class Topic { MainMenu, VehicleCard, Deadlines, Costs, CostSummary, Statistics, VehicleExport, CostExport };

void openTopic(AppContext& ctx, QWidget* opener, Topic topic);
void openAbout(AppContext& ctx, QWidget* opener);
void openCredits(AppContext& ctx, QWidget* opener);

} // namespace help
