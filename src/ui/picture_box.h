#pragma once

#include <QImage>
#include <QWidget>

// Holds a picture at its full pixel size and shows it scaled to fit, proportions kept, centred.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    QImage m_shown; // scaled once per picture and size, not at every paint
};
