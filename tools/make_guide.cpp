// Writes the user guide Guida.pdf from the help topics, with pictures of the screens taken
// from the program itself.
// Usage: make_guide OUTPUT.pdf
#include "app/app_context.h"
#include "reports/dialog_printing.h"
#include "app/formats.h"
#include "help/help_screens.h"
#include "help/help_topics.h"
#include "program/program.h"
#include "ui/screens.h"
#include "vehicles/vehicle_card_screen.h"
#include "vehicles/vehicle_photo.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

class NoShell : public Shell {
public:
    void open(const QString&) override {}
};

// A screen as the user first meets it, at the size of its content.
QImage picture(QWidget* screen, QSize size) {
    screen->setWindowState(Qt::WindowNoState);
    screen->resize(size);
    screen->show();
    QCoreApplication::processEvents();
    return screen->grab().toImage();
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// A sample card, so that the picture of the card screen shows what a filled card looks like.
void fillSampleCard(VehicleCardScreen* card, const QString& programDir) {
    using F = TSchedaVeicolo;
    F sample;
    const std::pair<F::Field, const char*> values[] = {
        {F::Tipo, "Furgone"},        {F::Destinazione, "Trasporto merci"}, {F::Marca, "Fiat"},
        {F::Modello, "Ducato"},      {F::Targa, "AB123CD"},               {F::Anno, "2021"},
        {F::Colore, "Bianco"},       {F::Telaio, "ZFA2500000"},           {F::Pneumatici, "215/70 R15"},
        {F::Stato, "Ottimo"},        {F::Chilometri, "48500"},            {F::Lettura, "01/12/2026"},
        {F::Alimentazione, "Diesel"}, {F::Cilindrata, "2287"},            {F::KW, "103"},
        {F::Ambiente, "Euro 6"},     {F::Posti, "3"},                     {F::Portata, "1400 kg"},
        {F::Compagnia, "Assicurazioni Riunite"}, {F::TelAssicuratore, "011 5551234"},
        {F::Polizza, "980,00"},      {F::Incidenti, "Nessuno"},           {F::Proprietario, "Rossi S.r.l."},
        {F::Autista, "Mario Bianchi"}, {F::TelAutista, "333 1234567"},    {F::Meccanico, "Officina Verdi"},
        {F::TelMeccanico, "011 987654"}, {F::ScadRevisione, "15/03/2027"}, {F::ScadTagliando, "10/01/2027"},
        {F::ScadAssicurazione, "30/06/2027"}, {F::ScadBollo, "31/12/2026"},
        {F::Note, "Gomme invernali in magazzino."},
    };
    for (const auto& [field, value] : values)
        sample.values[field] = QString::fromUtf8(value);
    card->fillFields(sample, 1);
    // A plain picture of a van stands for the vehicle's photo.
    QImage photo(616, 346, QImage::Format_RGB32);
    QPainter p(&photo);
    QLinearGradient sky(0, 0, 0, photo.height());
    sky.setColorAt(0, QColor(0x8C, 0xB8, 0xE0));
    sky.setColorAt(1, QColor(0x50, 0x70, 0x50));
    p.fillRect(photo.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xF4, 0xF4, 0xF6));
    p.drawRoundedRect(QRectF(110, 110, 400, 150), 30, 30);
    p.setBrush(QColor(0x30, 0x40, 0x55));
    p.drawRoundedRect(QRectF(400, 125, 90, 60), 10, 10);
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(160, 225, 80, 80));
    p.drawEllipse(QRectF(390, 225, 80, 80));
    p.end();
    vehicle_photo::saveCard(programDir, QStringLiteral("1"), photo);
    card->loadPhoto();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_guide OUTPUT.pdf\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    formats::applyProcessWide();

    QTemporaryDir data;
    SystemClock clock;
    WidgetDialogs dialogs;
    NoShell shell;
    DialogPrinting printing;
    AppContext ctx;
    ctx.programDir = data.path() + u'/';
    ctx.clock = &clock;
    ctx.dialogs = &dialogs;
    ctx.shell = &shell;
    ctx.printing = &printing;
    ctx.quit = [] {};
    Program program(ctx);

    QTextDocument doc;
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPointSizeF(11);
    doc.setDefaultFont(body);
    doc.setDefaultStyleSheet(QStringLiteral(
        "h1 { color: #102A60; font-size: 20pt; } h2 { color: #DC143C; font-size: 15pt; } "
        "p { margin-bottom: 8px; } p.caption { color: #505050; font-style: italic; font-size: 9pt; }"));

    int figure = 0;
    const auto addPicture = [&](const QImage& image, const QString& caption) {
        if (image.isNull())
            return QString();
        const QString name = QStringLiteral("figura%1.png").arg(++figure);
        doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
        const int width = std::min(560, image.width());
        return QStringLiteral("<p align=\"center\"><img src=\"%1\" width=\"%2\"></p><p class=\"caption\" "
                              "align=\"center\">Figura %3 - %4</p>")
            .arg(name)
            .arg(width)
            .arg(figure)
            .arg(escaped(caption));
    };
    const auto screenPicture = [&](const QString& name, QSize size) {
        QWidget* screen = ctx.screens->area(name);
        if (!screen)
            return QImage();
        QImage image = picture(screen, size);
        screen->hide();
        return image;
    };

    // Pictures of the screens where they help.
    QHash<help::Topic, QString> pictures;
    pictures[help::Topic::MainMenu] =
        addPicture(screenPicture(QStringLiteral("frmAvvio"), QSize(995, 692)), QStringLiteral("Il menu principale."));
    {
        HelpScreen helpScreen(ctx, nullptr);
        helpScreen.setAttribute(Qt::WA_DeleteOnClose, false);
        helpScreen.setTopic(help::title(help::Topic::MainMenu), help::text(help::Topic::MainMenu));
        pictures[help::Topic::MainMenu] += addPicture(picture(&helpScreen, helpScreen.size()),
                                                      QStringLiteral("La guida in linea, aperta dal pulsante Guida."));
        helpScreen.hide();
    }
    if (auto* card = ctx.screens->area<VehicleCardScreen>(QStringLiteral("frmAutoparco"))) {
        picture(card, QSize(996, 692));
        fillSampleCard(card, ctx.programDir);
        pictures[help::Topic::VehicleCard] =
            addPicture(card->grab().toImage(), QStringLiteral("La scheda di un veicolo."));
        card->hide();
    }
    pictures[help::Topic::Deadlines] = addPicture(screenPicture(QStringLiteral("frmMenuScadenze"), QSize(995, 692)),
                                                  QStringLiteral("Il menu delle scadenze imminenti."));
    pictures[help::Topic::Costs] = addPicture(screenPicture(QStringLiteral("frmMenuCosti"), QSize(995, 692)),
                                              QStringLiteral("La scelta dell'anno dei costi sostenuti."));

    QString html = QStringLiteral("<h1>Vestrano 3.0</h1><h2>Guida all'utilizzo del software</h2>");
    html += QStringLiteral("<p>Questa guida raccoglie le istruzioni per l'uso di Vestrano 3.0, le stesse che il "
                           "programma mostra premendo il pulsante Guida presente in ogni ambiente di lavoro. "
                           "I capitoli seguono l'ordine in cui si incontrano le schermate: il menu principale, il "
                           "parco automezzi, le scadenze imminenti e i costi sostenuti con i relativi riepiloghi e "
                           "grafici.</p>");
    html += QStringLiteral("<p><b>Indice</b></p><ol>");
    for (help::Topic topic : help::allTopics())
        html += QStringLiteral("<li>") + escaped(help::title(topic)) + QStringLiteral("</li>");
    html += QStringLiteral("</ol>");
    int chapter = 0;
    for (help::Topic topic : help::allTopics()) {
        html += QStringLiteral("<h2 style=\"page-break-before: always\">%1. %2</h2>")
                    .arg(++chapter)
                    .arg(escaped(help::title(topic)));
        const QStringList paragraphs = help::text(topic).split(QStringLiteral("\r\n\r\n"));
        for (qsizetype i = 0; i < paragraphs.size(); ++i) {
            html += QStringLiteral("<p align=\"justify\">") + escaped(paragraphs[i]) + QStringLiteral("</p>");
            if (i == 0)
                html += pictures.value(topic);
        }
    }
    html += QStringLiteral("<p></p><p>Per informazioni e assistenza: %1 - %2</p>")
                .arg(QLatin1String(help::kMakerEmail), QLatin1String(help::kMakerWebAddress));
    doc.setHtml(html);

    QPdfWriter writer(output);
    writer.setTitle(QStringLiteral("Vestrano 3.0 - Guida all'utilizzo del software"));
    writer.setCreator(QLatin1String(help::kMakerName));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    writer.setResolution(150);
    doc.print(&writer);
    if (!QFileInfo::exists(output)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
