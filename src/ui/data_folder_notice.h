#pragma once

struct AppContext;
class QWidget;

// Shows why the data folder in use cannot hold the data (missing, not a folder, no writing),
// naming it, as an error notice; false when the folder is fine and nothing was shown.
bool tellDataFolderProblem(AppContext& ctx, QWidget* parent);
