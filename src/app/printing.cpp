#include "app/printing.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

bool DialogPrinting::choosePrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void DialogPrinting::preview(QWidget* parent, const QString& title,
                             const std::function<void(QPrinter&)>& render) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&render](QPrinter* p) { render(*p); });
    dialog.exec();
}
