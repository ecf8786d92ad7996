#pragma once

#include <QString>

#include <optional>

struct AppContext;
class QWidget;

// Whether the program directory can hold the program's files. A missing folder is created
// first. nullopt when it can be used; otherwise the Italian message naming the folder and why.
std::optional<QString> dataFolderProblem(const QString& programDir);

// Shows the data folder's problem as an error notice; false when there is none to tell.
bool tellDataFolderProblem(AppContext& ctx, QWidget* parent);
