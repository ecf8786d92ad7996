#pragma once

#include "app/printing.h"

// Production printing: Qt's print dialog and our preview window.
class DialogPrinting : public Printing {
public:
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    void preview(QWidget* parent, const QString& title,
                 const std::function<void(QPrinter&)>& render) override;
};
