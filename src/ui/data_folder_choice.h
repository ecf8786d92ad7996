#pragma once

#include <QWidget>

struct AppContext;
class QLabel;

// A way to point the program at another data folder (a shared network folder, say) without a
// terminal: shows the folder in use and lets the user pick another, which is checked, given the
// delivered `seededFile` (the password store) when it has none, and remembered for this user.
class DataFolderChoice : public QWidget {
    Q_OBJECT
public:
    DataFolderChoice(AppContext& ctx, const QString& seededFile, QWidget* parent);

signals:
    void changed();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void choose();
    void showFolder();

    AppContext& m_ctx;
    QString m_seededFile;
    QLabel* m_folder;
};
