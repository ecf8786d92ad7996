#pragma once

#include <QWidget>

struct AppContext;
class QLabel;

// The login screen's way to point the program at another data folder (a shared network folder,
// say) without a terminal: shows the folder in use and lets the user pick another, which is
// checked, seeded with the delivered password store and remembered for this user.
class DataFolderChoice : public QWidget {
    Q_OBJECT
public:
    DataFolderChoice(AppContext& ctx, QWidget* parent);

signals:
    void changed();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void choose();
    void showFolder();

    AppContext& m_ctx;
    QLabel* m_folder;
};
