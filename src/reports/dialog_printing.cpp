#include "reports/dialog_printing.h"

#include "reports/preview_window.h"

#include <QPrintDialog>
#include <QPrinter>

bool DialogPrinting::choosePrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void DialogPrinting::preview(QWidget* parent, const QString& title,
                             const std::function<void(QPrinter&)>& render) {
    QPrinter printer(QPrinter::HighResolution);
    PreviewWindow window(printer, title, render, parent);
    window.exec();
}
