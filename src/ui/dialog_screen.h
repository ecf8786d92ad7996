#pragma once

#include <QColor>
#include <QDialog>

struct AppContext;

// A screen created fresh for each opening, owned by its opener, application-modal and
// destroyed when it closes. It is shown without a nested event loop.
class DialogScreen : public QDialog {
    Q_OBJECT
public:
    enum class Window { FixedCentred, Maximised };

    DialogScreen(AppContext& ctx, QWidget* opener, const QString& name, const QString& caption,
                 Window window = Window::FixedCentred, QSize fixedSize = {});

    void present();

protected:
    // A vertical gradient behind the controls; without one the style's background is used.
    void setGradient(QColor top, QColor bottom = Qt::white);
    void paintEvent(QPaintEvent* event) override;

    AppContext& m_ctx;

private:
    Window m_window;
    QColor m_top;
    QColor m_bottom;
};
