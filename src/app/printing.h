#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

// The way to paper. Production shows Qt's print and preview dialogs; tests render to PDF.
class Printing {
public:
    virtual ~Printing() = default;
    // Shows the print dialog for `printer` (its copy count is the proposed number of copies).
    // Returns false when the user cancels.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
    // Opens the preview window; `render` draws every page on the printer it is given.
    virtual void preview(QWidget* parent, const QString& title,
                         const std::function<void(QPrinter&)>& render) = 0;
    // Called before each further document that a command prints on the same printer (one
    // document per copy). A real printer makes every begin-end its own job already.
    virtual void nextDocument(QPrinter&) {}
};
