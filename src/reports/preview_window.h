#pragma once

#include <QDialog>

#include <functional>

class QPrinter;
class QPrintPreviewWidget;

// The report engine's preview: the pages as they will print, with print, zoom, full screen
// and close, and nothing that would change the page design.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(QPrinter& printer, const QString& title, std::function<void(QPrinter&)> render,
                  QWidget* parent = nullptr);

private:
    void print();
    void toggleFullScreen();

    QPrinter& m_printer;
    std::function<void(QPrinter&)> m_render;
    QPrintPreviewWidget* m_pages = nullptr;
};
