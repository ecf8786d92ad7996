#include "ui/data_folder_notice.h"

#include "app/app_context.h"
#include "app/data_folder.h"

#include <QDir>

bool tellDataFolderProblem(AppContext& ctx, QWidget* parent) {
    const QString problem = data_folder::problemWith(QDir::cleanPath(ctx.programDir));
    if (problem.isEmpty())
        return false;
    ctx.dialogs->notice(parent, NoticeKind::Error, problem);
    return true;
}
