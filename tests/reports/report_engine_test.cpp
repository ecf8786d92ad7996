#include "support/pdf_reader.h"
#include "support/test_registry.h"

#include "reports/report_renderer.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace report;

namespace {

Memo memo(const QString& name, const QRectF& rect, const QString& text, bool wrap = false) {
    Memo m;
    m.name = name;
    m.rect = rect;
    m.text = text;
    m.font = QFont(QStringLiteral("Courier New"), 10);
    m.wordWrap = wrap;
    return m;
}

QString numbered(int n) {
    return QStringLiteral("riga%1").arg(n, 3, 10, QLatin1Char('0'));
}

// A portrait page with a page footer and a data band of `lines` numbered lines.
Report longReport(int lines, bool split) {
    Report r;
    r.name = QStringLiteral("prova");
    QStringList text;
    for (int i = 1; i <= lines; ++i)
        text << numbered(i);
    Memo body = memo(QStringLiteral("body"), QRectF(0, 0, 100, lines * 5.0), text.join(u'\n'));
    body.lineHeight = 5;
    body.padY = 0;
    r.bands.append(
        {QStringLiteral("Title"),
         BandKind::ReportTitle,
         10,
         false,
         {memo(QStringLiteral("t"), QRectF(0, 0, 100, 8), QStringLiteral("INTESTAZIONE"))}});
    r.bands.append({QStringLiteral("Data"), BandKind::Data, lines * 5.0 + 2, split, {body}});
    r.bands.append({QStringLiteral("End"),
                    BandKind::Footer,
                    10,
                    false,
                    {memo(QStringLiteral("e"), QRectF(0, 0, 100, 8), QStringLiteral("CHIUSURA"))}});
    r.bands.append({QStringLiteral("Foot"),
                    BandKind::PageFooter,
                    10,
                    false,
                    {memo(QStringLiteral("f"), QRectF(0, 0, 100, 8), QStringLiteral("PIEDE"))}});
    return r;
}

} // namespace

class ReportEngineTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString renderToPdf(const Report& r, const QString& name, int* pageCount = nullptr) {
        const QString file = m_dir.filePath(name + QStringLiteral(".pdf"));
        QPdfWriter writer(file);
        writer.setResolution(1200);
        const QList<Page> pages = render(r, writer);
        if (pageCount)
            *pageCount = static_cast<int>(pages.size());
        return file;
    }

private slots:
    // 277 mm of room a page, less the page footer: 53 lines of 5 mm fit on the first page
    // under the title, 53 on the others.
    void splittingBand_continuesWholeLinesOnNextPages() {
        int count = 0;
        const QString file = renderToPdf(longReport(120, true), QStringLiteral("split"), &count);
        const QStringList pages = pdf::pages(file);
        QCOMPARE(count, 3);
        QCOMPARE(pages.size(), 3);
        QVERIFY(pages[0].contains(QStringLiteral("INTESTAZIONE")));
        QVERIFY(!pages[1].contains(QStringLiteral("INTESTAZIONE")));
        int expected = 1;
        for (int p = 0; p < 3; ++p) {
            QVERIFY2(pages[p].contains(QStringLiteral("PIEDE")),
                     "the page footer repeats on every page");
            const QStringList words =
                pages[p].split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            for (const QString& w : words)
                if (w.startsWith(QStringLiteral("riga")))
                    QCOMPARE(w, numbered(expected++)); // every line once, in order
        }
        QCOMPARE(expected, 121);
        QVERIFY(pages[2].contains(QStringLiteral("CHIUSURA")));
        QVERIFY(!pages[1].contains(QStringLiteral("CHIUSURA")));

        // Lines stay whole and inside the printable area above the page footer.
        for (const pdf::Word& w : pdf::words(file)) {
            if (!w.text.startsWith(QStringLiteral("riga")))
                continue;
            QVERIFY2(w.box.top() >= 10 - 0.01 && w.box.bottom() <= 297 - 10 - 10 + 0.01,
                     qPrintable(w.text + QStringLiteral(" outside the page")));
        }
    }

    void unsplittableBand_movesToTheNextPageWhole() {
        Report r = longReport(40, false);
        r.bands.insert(1, {QStringLiteral("Filler"), BandKind::Data, 100, false, {}});
        int count = 0;
        const QStringList pages = pdf::pages(renderToPdf(r, QStringLiteral("whole"), &count));
        QCOMPARE(count, 2);
        QVERIFY(!pages[0].contains(QStringLiteral("riga")));
        QVERIFY(pages[1].contains(numbered(1)) && pages[1].contains(numbered(40)));
    }

    void memoText_expandsOnlyWhereAllowed() {
        Report r;
        r.variables.insert(QStringLiteral("DATE"), QStringLiteral("10/12/2026"));
        Memo plain = memo(QStringLiteral("a"), {}, QStringLiteral("data [DATE] [ALTRO]"));
        QCOMPARE(memoText(r, plain), QStringLiteral("data [DATE] [ALTRO]"));
        plain.expressions = true;
        QCOMPARE(memoText(r, plain), QStringLiteral("data 10/12/2026 [ALTRO]"));
    }

    // The same long text: wrapped over lines when allowed, otherwise cut at the memo's edge.
    void wordWrap_onAndOff() {
        const QString text =
            QStringLiteral("alfa beta gamma delta epsilon zeta eta theta iota kappa");
        Report r;
        r.bands.append({QStringLiteral("B"),
                        BandKind::Data,
                        60,
                        false,
                        {memo(QStringLiteral("wrap"), QRectF(0, 0, 40, 30), text, true),
                         memo(QStringLiteral("cut"), QRectF(0, 40, 40, 8), text, false)}});
        const QList<pdf::Word> words = pdf::words(renderToPdf(r, QStringLiteral("wrap")));
        QStringList inWrap, inCut;
        for (const pdf::Word& w : words) {
            // A cut keeps the character that the edge runs through, clipped.
            QVERIFY2(w.box.left() >= 10 - 0.01 && w.box.right() <= 50 + 2.2, qPrintable(w.text));
            (w.box.top() < 40 ? inWrap : inCut).append(w.text);
        }
        QCOMPARE(inWrap.join(u' '), text);
        QVERIFY(text.startsWith(inCut.join(u' ')));
        QVERIFY(inCut.size() < 6);
    }

    void alignment_placesTheText_data() {
        QTest::addColumn<int>("align");
        QTest::addColumn<double>("left"); // mm from the page edge, roughly
        QTest::addColumn<double>("right");
        QTest::newRow("left") << int(Qt::AlignLeft) << 10.0 << 30.0;
        QTest::newRow("centre") << int(Qt::AlignHCenter) << 50.0 << 80.0;
        QTest::newRow("right") << int(Qt::AlignRight) << 90.0 << 110.0;
    }
    void alignment_placesTheText() {
        QFETCH(int, align);
        QFETCH(double, left);
        QFETCH(double, right);
        Report r;
        Memo m = memo(QStringLiteral("m"), QRectF(0, 0, 100, 20), QStringLiteral("PAROLA"));
        m.align = Qt::Alignment(align) | Qt::AlignVCenter;
        r.bands.append({QStringLiteral("B"), BandKind::Data, 20, false, {m}});
        const QList<pdf::Word> words = pdf::words(renderToPdf(r, QStringLiteral("align")));
        QCOMPARE(words.size(), 1);
        QVERIFY2(words[0].box.left() >= left && words[0].box.right() <= right,
                 qPrintable(
                     QStringLiteral("%1..%2").arg(words[0].box.left()).arg(words[0].box.right())));
        QVERIFY(qAbs(words[0].box.center().y() - 20) < 1.5); // centred in 10..30
    }
};

VESTRANO_TEST(ReportEngineTest)
#include "report_engine_test.moc"
