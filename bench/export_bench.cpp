// Times the cost export on a large year: opening the screen (grid filled and painted) and
// writing the spreadsheet file.
// Usage: export_bench [entries]   (default 100000; runs on the offscreen platform)
#include "bench_application.h"
#include "app/app_context.h"
#include "costs/cost_export.h"
#include "costs/cost_record.h"
#include "vehicle_output/export_screen.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Yes to "export now?", No to "open it?".
class AnsweringDialogs : public Dialogs {
public:
    void notice(QWidget*, NoticeKind, const QString&) override {}
    bool question(QWidget*, const QString&) override { return m_questions++ % 2 == 0; }
    void message(QWidget*, const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    std::optional<QString> input(QWidget*, const QString&, const QString&,
                                 const QString&) override {
        return std::nullopt;
    }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&,
                     const QString&) override {
        return {};
    }

private:
    int m_questions = 0;
};

class NoShell : public Shell {
public:
    void open(const QString&) override {}
};

QByteArray yearOf(int entries) {
    using C = TSchedaCosto;
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(entries) * C::kRecordSize);
    for (int i = 0; i < entries; ++i) {
        C e;
        const int day = i % 28 + 1;
        const int month = i % 12 + 1;
        e[C::Giorno] = QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
        e[C::Mese] = QStringLiteral("Marzo");
        e[C::Anno] = QStringLiteral("2026");
        e[C::Data] = QStringLiteral("%1/%2/2026")
                         .arg(day, 2, 10, QLatin1Char('0'))
                         .arg(month, 2, 10, QLatin1Char('0'));
        e[C::Luogo] = QStringLiteral("Forlì");
        e[C::Veicolo] = QStringLiteral("Autovettura");
        e[C::Marca] = QStringLiteral("Citroën");
        e[C::Modello] = QStringLiteral("C3 Aircross");
        e[C::Colore] = QStringLiteral("Blu notte");
        e[C::Alimentazione] = QStringLiteral("Benzina");
        e[C::Targa] = QStringLiteral("AB%1CD").arg(i % 1000, 3, 10, QLatin1Char('0'));
        e[C::Causale] = QStringLiteral("Manutenzione");
        e[C::Descrizione] =
            QStringLiteral("Cambio olio e filtri, controllo freni & luci <urgente>");
        e[C::Modalita] = QStringLiteral("Carta di credito");
        e[C::Estremi] = QStringLiteral("Fattura n. %1/A").arg(i);
        e[C::Importo] = QStringLiteral("%1,50").arg(i % 900 + 10);
        e[C::Pagatore] = QStringLiteral("Società Rossi & Figli");
        e[C::RecPagatore] = QStringLiteral("0543 123456");
        e[C::Beneficiario] = QStringLiteral("Officina \"Da Gino\"");
        e[C::RecBeneficiario] = QStringLiteral("06 5551234");
        e[C::Conducente] = QStringLiteral("Niccolò Bianchi");
        e[C::Recapito] = QStringLiteral("333 1234567");
        e[C::Saldato] = i % 3 ? C::paid() : C::unpaid();
        e[C::Note] =
            QStringLiteral("Nessuna nota particolare per questo intervento: € 0,00 di sconto");
        bytes += e.encode();
    }
    return bytes;
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Application app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;

    QTemporaryDir dir;
    const QString year = dir.filePath(QStringLiteral("2026.eur"));
    {
        QFile f(year);
        if (!f.open(QIODevice::WriteOnly) || f.write(yearOf(entries)) < 0)
            return 1;
    }

    AnsweringDialogs dialogs;
    NoShell shell;
    AppContext ctx;
    ctx.programDir = dir.path() + u'/';
    ctx.dialogs = &dialogs;
    ctx.shell = &shell;
    const ExportSetup& setup = cost_export::setup();

    QWidget opener;
    QElapsedTimer t;
    t.start();
    ExportScreen* screen = ExportScreen::open(ctx, &opener, setup, year);
    QCoreApplication::processEvents();
    screen->grab(); // painted once
    const qint64 openMs = t.elapsed();

    t.restart();
    screen->findChild<QPushButton*>(QStringLiteral("cmdEsporta"))->click();
    const qint64 exportMs = t.elapsed();
    const qint64 bytes = QFileInfo(dir.filePath(QStringLiteral("Costi_Sostenuti.xls"))).size();

    std::printf("cost export, %d entries (%.0f MB year file): grid open %lld ms, export %lld ms "
                "(%.0f MB written)\n",
                entries, QFileInfo(year).size() / 1e6, static_cast<long long>(openMs),
                static_cast<long long>(exportMs), bytes / 1e6);
    delete screen;
    return 0;
}
