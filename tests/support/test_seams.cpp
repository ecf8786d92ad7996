#include "support/test_seams.h"

#include <QPrinter>

QString PdfPrinting::nextPdf() {
    return m_folder + QStringLiteral("/job-%1.pdf").arg(++m_counter);
}

bool PdfPrinting::choosePrinter(QPrinter& printer, QWidget*) {
    const bool accept = printAnswers.isEmpty() ? true : printAnswers.dequeue();
    Job job{QStringLiteral("print"), printer.docName(), {}, printer.copyCount()};
    if (accept) {
        job.pdf = nextPdf();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(job.pdf);
        if (copiesInDialog)
            printer.setCopyCount(*copiesInDialog);
        job.copies = printer.copyCount();
    }
    jobs.append(job);
    return accept;
}

void PdfPrinting::preview(QWidget*, const QString& title,
                          const std::function<void(QPrinter&)>& render) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    Job job{QStringLiteral("preview"), title, nextPdf(), 1};
    printer.setOutputFileName(job.pdf);
    render(printer);
    jobs.append(job);
}

void PdfPrinting::nextDocument(QPrinter& printer) {
    Job job{QStringLiteral("print"), printer.docName(), nextPdf(), printer.copyCount()};
    printer.setOutputFileName(job.pdf);
    jobs.append(job);
}
