#include "ui/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage& picture) {
    m_picture = picture;
    m_shown = QImage();
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    const QSize shown = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    if (m_shown.size() != shown)
        m_shown = m_picture.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(this);
    painter.drawImage(QPoint((width() - m_shown.width()) / 2, (height() - m_shown.height()) / 2), m_shown);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
