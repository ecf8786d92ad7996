#include "support/app_harness.h"
#include "support/pdf_reader.h"
#include "support/test_registry.h"

#include "costs/cost_printout.h"
#include "costs/cost_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kAsk = QStringLiteral("Si vuole stampare la presente scheda?");

const QString kCosts = QStringLiteral("frmCosti");

// The cost entry screen on a year, cleared, and then `values` typed into its fields (not saved).
void openCostScreen(AppHarness& app, const QMap<QString, QString>& values = {}, bool paid = false) {
    app.openCostYear(QStringLiteral("2014"));
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        QWidget* w = app.control(kCosts, it.key());
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->setText(it.value());
        else if (auto* c = qobject_cast<QComboBox*>(w))
            c->setEditText(it.value());
        else
            QFAIL(qPrintable(it.key()));
    }
    app.control<QCheckBox>(kCosts, QStringLiteral("chkSaldato"))->setChecked(paid);
}

void printFromScreen(AppHarness& app) {
    AppHarness::click(app.control(kCosts, QStringLiteral("cmdStampa")));
}

const QMap<QString, QString> kEntry{
    {QStringLiteral("txtGiorno"), QStringLiteral("05")},
    {QStringLiteral("txtMese"), QStringLiteral("Marzo")},
    {QStringLiteral("txtLuogo"), QStringLiteral(" Vestrano ")},
    {QStringLiteral("txtVeicolo"), QStringLiteral("Autovettura")},
    {QStringLiteral("txtMarca"), QStringLiteral("Fiat")},
    {QStringLiteral("txtModello"), QStringLiteral("Panda")},
    {QStringLiteral("txtTarga"), QStringLiteral("AB123CD")},
    {QStringLiteral("txtCausale"), QStringLiteral("Tagliando")},
    {QStringLiteral("txtDescrizione"), QStringLiteral("Olio e filtri")},
    {QStringLiteral("txtModalita"), QStringLiteral("Contanti")},
    {QStringLiteral("txtEstremi"), QStringLiteral("Fattura 12")},
    {QStringLiteral("txtImporto"), QStringLiteral("150,50")},
    {QStringLiteral("txtPagatore"), QStringLiteral("Rossi")},
    {QStringLiteral("txtRecPagatore"), QStringLiteral("0444 1")},
    {QStringLiteral("txtBeneficiario"), QStringLiteral("Officina")},
    {QStringLiteral("txtRecBeneficiario"), QStringLiteral("0444 2")},
    {QStringLiteral("txtConducente"), QStringLiteral("Bianchi")},
    {QStringLiteral("txtRecapito"), QStringLiteral("333 3")},
    {QStringLiteral("txtNote"), QStringLiteral("Nessuna")},
};

QStringList pageLines(const QString& pdfFile) {
    const QStringList pages = pdf::pages(pdfFile);
    if (pages.size() != 1)
        return {QStringLiteral("pages: %1").arg(pages.size())};
    QStringList result;
    for (const QString& line : pages[0].split(u'\n', Qt::SkipEmptyParts))
        result << line.simplified();
    return result;
}

} // namespace

class CostPrintoutTest : public QObject {
    Q_OBJECT
private slots:
    void copiesAnswer_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("copies");
        QTest::newRow("proposed") << "1" << 1;
        QTest::newRow("three") << "3" << 3;
        QTest::newRow("leading zero") << "02" << 2;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("empty") << "" << 1;
        QTest::newRow("blanks") << "   " << 1;
        QTest::newRow("letters") << "due" << 1;
        QTest::newRow("minus sign") << "-2" << 1;
        QTest::newRow("leading blank") << " 2" << 1;
        QTest::newRow("trailing blank") << "2 " << 1;
        QTest::newRow("too large to count") << "99999999999" << 1;
    }
    void copiesAnswer() {
        QFETCH(QString, answer);
        QFETCH(int, copies);
        QCOMPARE(cost_printout::copiesFromAnswer(answer), copies);
    }

    // Separators stay when the parts around them are empty.
    void emptyEntry_keepsTheSeparators() {
        AppHarness app;
        openCostScreen(app);
        QStringList values;
        for (const auto& line : cost_printout::lines(qobject_cast<CostScreen*>(app.screen(kCosts))->entryOnScreen()))
            values << line.value;
        QCOMPARE(values,
                 (QStringList{QStringLiteral("  2014"), QString(), QStringLiteral("  "), QString(),
                              QString(), QString(), QString(), QString(), QStringLiteral("€ 0,00"),
                              QStringLiteral("  Tel. "), QStringLiteral("  Tel. "),
                              QStringLiteral("  Tel. "), QStringLiteral("No"), QString()}));
    }

    void twoCopies_areTwoDocumentsOfTheWholeCard() {
        AppHarness app;
        openCostScreen(app, kEntry, true);
        app.dialogs().queue(true);
        app.dialogs().queue(QStringLiteral("2"));
        printFromScreen(app);
        QCOMPARE(app.dialogs().prompts().size(), 2);
        QCOMPARE(app.dialogs().prompts()[0].kind, QStringLiteral("question"));
        QCOMPARE(app.dialogs().prompts()[0].text, kAsk);
        const Prompt copies = app.dialogs().prompts()[1];
        QCOMPARE(copies.kind, QStringLiteral("input"));
        QCOMPARE(copies.caption, QStringLiteral("Numero copie da stampare"));
        QCOMPARE(copies.text, QStringLiteral("Copie:"));
        QCOMPARE(copies.proposed, QStringLiteral("1"));

        const auto& jobs = app.printing().jobs;
        QCOMPARE(jobs.size(), 2);
        QCOMPARE(jobs[0].copies, 2); // the print dialog proposed the copies typed
        QVERIFY(jobs[0].pdf != jobs[1].pdf);
        const QStringList expected{
            QStringLiteral("SCHEDA COSTI SOSTENUTI"),
            QStringLiteral("Data saldo: 05 Marzo 2014"),
            QStringLiteral("Luogo pagamento: Vestrano"),
            QStringLiteral("Veicolo: Autovettura Fiat Panda"),
            QStringLiteral("Targa: AB123CD"),
            QStringLiteral("Causale pagamento: Tagliando"),
            QStringLiteral("Descrizione costi: Olio e filtri"),
            QStringLiteral("Modalità di pagamento: Contanti"),
            QStringLiteral("Estremi ricevuta: Fattura 12"),
            QStringLiteral("Importo pagato: € 150,50"),
            QStringLiteral("Pagatore: Rossi Tel. 0444 1"),
            QStringLiteral("Beneficiario: Officina Tel. 0444 2"),
            QStringLiteral("Conduttore o responsabile: Bianchi Tel. 333 3"),
            QStringLiteral("Pagamento saldato: Sì"),
            QStringLiteral("Note: Nessuna"),
            QStringLiteral("Stampa eseguita in data 10/12/2026 alle ore 10:30:00"),
        };
        QCOMPARE(pageLines(jobs[0].pdf), expected);
        QCOMPARE(pageLines(jobs[1].pdf), expected);
    }

    // Labels at the margin X, values at 15 X, lines 2 Y apart, with X and Y the title font's
    // height.
    void lines_standAtTheirIndents() {
        AppHarness app;
        openCostScreen(app, kEntry);
        app.dialogs().queue(true);
        app.dialogs().queue(QStringLiteral("1"));
        printFromScreen(app);
        const QList<pdf::Word> words = pdf::words(app.printing().jobs.at(0).pdf);
        QMap<QString, QRectF> at;
        for (const pdf::Word& w : words)
            if (!at.contains(w.text))
                at.insert(w.text, w.box);
        const double margin = at[QStringLiteral("SCHEDA")].left();
        const double unit =
            (at[QStringLiteral("Luogo")].top() - at[QStringLiteral("Data")].top()) / 2;
        QVERIFY2(unit > 4.5 && unit < 7, qPrintable(QString::number(unit))); // 14 point Courier New
        for (const char* label : {"Data", "Targa:", "Note:", "Pagamento", "Stampa"})
            QVERIFY(qAbs(at[QString::fromLatin1(label)].left() - margin) < 0.3);
        for (const char* value : {"05", "AB123CD", "Nessuna", "Autovettura"})
            QVERIFY2(qAbs(at[QString::fromLatin1(value)].left() - margin - 14 * unit) < 0.6, value);
        QVERIFY(qAbs(at[QStringLiteral("Data")].top() - at[QStringLiteral("SCHEDA")].top() -
                     2 * unit) < 0.6);
    }

    void stoppingAnswers_printNothing_data() {
        QTest::addColumn<QVariantList>("answers");
        QTest::addColumn<int>("prompts");
        QTest::addColumn<bool>("dialogShown");
        QTest::addColumn<bool>("dialogAccepts");
        QTest::newRow("no to the question") << QVariantList{false} << 1 << false << true;
        QTest::newRow("copies cancelled") << QVariantList{true, QVariant()} << 2 << false << true;
        QTest::newRow("print dialog cancelled")
            << QVariantList{true, QStringLiteral("1")} << 2 << true << false;
        QTest::newRow("zero copies")
            << QVariantList{true, QStringLiteral("0")} << 2 << true << true;
    }
    void stoppingAnswers_printNothing() {
        QFETCH(QVariantList, answers);
        QFETCH(int, prompts);
        QFETCH(bool, dialogShown);
        QFETCH(bool, dialogAccepts);
        AppHarness app;
        openCostScreen(app, kEntry);
        for (const QVariant& a : answers)
            app.dialogs().queue(a);
        app.printing().printAnswers.enqueue(dialogAccepts);
        printFromScreen(app);
        QCOMPARE(app.dialogs().prompts().size(), prompts);
        QCOMPARE(app.printing().jobs.size(), dialogShown ? 1 : 0);
        for (const auto& job : app.printing().jobs)
            QVERIFY(job.pdf.isEmpty() || !QFile::exists(job.pdf));
    }
};

VESTRANO_TEST(CostPrintoutTest)
#include "cost_printout_test.moc"
