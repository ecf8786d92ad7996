#include "ui/focus_frame.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace {

class FocusFrameWatcher : public QObject {
public:
    FocusFrameWatcher(QWidget* field, QWidget* frame) : QObject(field), m_frame(frame) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (!m_frame) // stacked under its field, the frame is destroyed first
            return false;
        if (event->type() == QEvent::FocusIn)
            m_frame->show();
        else if (event->type() == QEvent::FocusOut)
            m_frame->hide();
        return false;
    }

private:
    QPointer<QWidget> m_frame;
};

} // namespace

QWidget* addFocusFrame(QWidget* field, int margin) {
    auto* frame = new QWidget(field->parentWidget());
    QString base = field->objectName();
    if (base.startsWith(QLatin1String("txt")) || base.startsWith(QLatin1String("cmb")))
        base = base.mid(3);
    frame->setObjectName(QStringLiteral("eff") + base);
    frame->setAutoFillBackground(true);
    frame->setStyleSheet(QStringLiteral("background-color: yellow;"));
    frame->setGeometry(field->geometry().adjusted(-margin, -margin, margin, margin));
    frame->stackUnder(field);
    frame->hide();
    new FocusFrameWatcher(field, frame);
    return frame;
}
