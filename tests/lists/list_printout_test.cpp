#include "support/app_harness.h"
#include "support/pdf_reader.h"
#include "support/test_registry.h"

#include "lists/list_printout.h"

#include <QRegularExpression>

namespace {

QString row(int n) {
    return QStringLiteral("AB%1CD  Targa: FIAT PANDA       Scadenza: 01/01/2027")
        .arg(n, 3, 10, QLatin1Char('0'));
}

} // namespace

class ListPrintoutTest : public QObject {
    Q_OBJECT
private slots:
    void printedList_hasTitleRowsAndFooter() {
        AppHarness app;
        const QStringList rows{row(2), row(1), QStringLiteral("Èra [x] 100,50 €")};
        printList(app.context(), nullptr, QStringLiteral("Elenco prova"), rows,
                  {QStringLiteral("Totale: 12,00")});
        QCOMPARE(app.printing().jobs.size(), 1);
        const auto& job = app.printing().jobs[0];
        QCOMPARE(job.kind, QStringLiteral("print"));
        QCOMPARE(job.copies, 1);
        const QStringList pages = pdf::pages(job.pdf);
        QCOMPARE(pages.size(), 1);
        const QStringList lines = pages[0].split(u'\n', Qt::SkipEmptyParts);
        QStringList content;
        for (const QString& l : lines)
            content << l.simplified();
        // Title, the rows in the order given, the extra lines, the footer with today's date.
        // pdftotext lays blanks out again, so the rows are compared with single blanks.
        QCOMPARE(content,
                 (QStringList{QStringLiteral("Elenco prova"), row(2).simplified(),
                              row(1).simplified(), rows[2], QStringLiteral("Totale: 12,00"),
                              QStringLiteral("Stampa eseguita in data 10/12/2026")}));
    }

    void emptyList_printsTitleAndFooterOnly() {
        AppHarness app;
        printList(app.context(), nullptr, QStringLiteral("Nessuna voce"), {});
        const QStringList pages = pdf::pages(app.printing().jobs.at(0).pdf);
        QCOMPARE(pages.size(), 1);
        const QStringList lines = pages[0].split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].trimmed(), QStringLiteral("Nessuna voce"));
        QCOMPARE(lines[1].trimmed(), QStringLiteral("Stampa eseguita in data 10/12/2026"));
    }

    // 190 mm of printable height: the title, then about 53 rows a page; the footer after the last.
    void longList_continuesOnFollowingPages() {
        AppHarness app;
        QStringList rows;
        for (int i = 1; i <= 150; ++i)
            rows << row(i);
        printList(app.context(), nullptr, QStringLiteral("Lungo"), rows);
        const QStringList pages = pdf::pages(app.printing().jobs.at(0).pdf);
        QCOMPARE(pages.size(), 3);
        QStringList printed;
        for (const QString& page : pages)
            for (const QString& line : page.split(u'\n', Qt::SkipEmptyParts))
                if (line.trimmed().startsWith(QStringLiteral("AB")))
                    printed << line.simplified();
        for (QString& r : rows)
            r = r.simplified();
        QCOMPARE(printed, rows);
        QCOMPARE(pages[0].count(QStringLiteral("Lungo")), 1);
        QCOMPARE(pages[1].count(QStringLiteral("Lungo")), 0);
        QCOMPARE(pages[2].count(QStringLiteral("Stampa eseguita")), 1);
        QCOMPARE(pages[0].count(QStringLiteral("Stampa eseguita")), 0);
    }

    void cancelInPrintDialog_printsNothing() {
        AppHarness app;
        app.printing().printAnswers.enqueue(false);
        printList(app.context(), nullptr, QStringLiteral("Annullata"), {row(1)});
        QCOMPARE(app.printing().jobs.size(), 1);
        QVERIFY(app.printing().jobs[0].pdf.isEmpty());
    }

    void design_matchesTheListLayout() {
        const report::Report r = listReport(QStringLiteral("T"), {row(1), row(2), row(3)});
        QCOMPARE(r.orientation, QPageLayout::Landscape);
        QCOMPARE(r.pageLayout().fullRect(QPageLayout::Millimeter).size(), QSizeF(297, 210));
        QCOMPARE(r.margins, QMarginsF(10, 10, 10, 10));
        const report::Memo* rows = r.memo(QStringLiteral("txtRiepilogo"));
        QVERIFY(rows);
        QVERIFY(qAbs(rows->rect.height() * report::kUnitsPerMm - 3 * 12.822) < 1e-9);
        QVERIFY(qAbs(r.bands[1].height * report::kUnitsPerMm - (3 * 12.822 + 10)) < 1e-9);
        QVERIFY(!rows->wordWrap);
        QCOMPARE(rows->font.family(), QStringLiteral("Courier New"));
        QCOMPARE(r.memo(QStringLiteral("txtTitolo"))->text, QStringLiteral("T"));
        QVERIFY(r.memo(QStringLiteral("txtPagina"))->font.bold());
    }
};

VESTRANO_TEST(ListPrintoutTest)
#include "list_printout_test.moc"
