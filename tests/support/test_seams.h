#pragma once

#include "app/clock.h"
#include "app/printing.h"
#include "app/shell.h"

#include <QQueue>
#include <QStringList>

class FixedClock : public Clock {
public:
    QDate today() const override { return m_now.date(); }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& now) { m_now = now; }
    void setToday(const QDate& d) { m_now = QDateTime(d, QTime(10, 30, 0)); }

private:
    QDateTime m_now{QDate(2026, 12, 10), QTime(10, 30, 0)};
};

class RecordingShell : public Shell {
public:
    void open(const QString& target) override { targets.append(target); }
    QStringList targets;
};

// Every print job and preview becomes a PDF file in `folder`.
class PdfPrinting : public Printing {
public:
    struct Job {
        QString kind; // "print" or "preview"
        QString title;
        QString pdf;
        int copies = 1;
    };

    explicit PdfPrinting(const QString& folder) : m_folder(folder) {}

    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    void preview(QWidget* parent, const QString& title,
                 const std::function<void(QPrinter&)>& render) override;
    // Each further document goes to a PDF of its own, recorded as one more print job.
    void nextDocument(QPrinter& printer) override;

    // The print dialog's answers in order: true prints, false cancels. Empty: print.
    QQueue<bool> printAnswers;
    // The number of copies the "user" sets in the print dialog; unset keeps the proposal.
    std::optional<int> copiesInDialog;
    QList<Job> jobs;

private:
    QString nextPdf();
    QString m_folder;
    int m_counter = 0;
};
