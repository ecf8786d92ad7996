#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// Reads printed PDFs back with poppler's command-line tools.
namespace pdf {

// The text of every page, laid out as printed (pdftotext -layout), one entry per page.
QStringList pages(const QString& file);

// Every word with its box in millimetres from the page's top-left corner (pdftotext -bbox).
struct Word {
    QString text;
    QRectF box;
    int page = 0; // 0-based
};
QList<Word> words(const QString& file);

// Renders the pages to PNG files "<prefix>-N.png" (pdftoppm) at `dpi`; returns their paths.
QStringList toPng(const QString& file, const QString& prefix, int dpi = 60);

} // namespace pdf
