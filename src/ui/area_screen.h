#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>

struct AppContext;

// A screen that lives for the whole run and is only shown and hidden. Its show handler runs
// each time it becomes visible; its close handler decides where the user goes next.
class AreaScreen : public QWidget {
    Q_OBJECT
public:
    enum class Window { Maximised, FixedCentred };

    AreaScreen(AppContext& ctx, const QString& name, const QString& caption, Window window,
               QSize fixedSize = {});

    // Show, bring to the front and give it the keyboard.
    void present();
    // Opening another area shows the target first, then hides this one.
    void goTo(const QString& target);

signals:
    // The registry that holds the screens shows the target.
    void goToRequested(const QString& target);

protected:
    virtual void onShow() {}
    // By default an area returns to the main menu.
    virtual void onClose();

    void setGradient(QColor top, QColor bottom = Qt::white);
    // A panel of fixed size kept centred in the window; controls are placed on it.
    QWidget* centredPanel(QSize size);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    AppContext& m_ctx;

private:
    Window m_window;
    QColor m_top{0x46, 0x82, 0xB4};
    QColor m_bottom{Qt::white};
    QWidget* m_panel = nullptr;
};
