#include "vehicle_output/vehicle_printout_screen.h"
#include "ui/fonts.h"

#include "app/app_context.h"
#include "ui/picture_box.h"
#include "reports/report_output.h"
#include "vehicle_output/vehicle_card_report.h"

#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include <exception>

namespace {

constexpr QSize kWindow(364, 287);
constexpr QSize kPhoto(297, 184);

struct Setup {
    const char* name;
    const char* caption;
    const char* button;
    const char* explanation;
    const char* failure;
    bool printer; // the symbol: a printer, or a page under a magnifying glass
};

const Setup kPrint{
    "frmStampaAutomezzo",
    " Stampa documento",
    "Stampa",
    "Questa operazione stampa il documento con i dati inseriti nei campi di testo della scheda.\n\n"
    "Premere Stampa per stampare oppure Annulla per annullare.",
    "Attenzione: la stampa del documento non è andata a buon fine.\n\r\n\rSi consiglia di ridurre "
    "le dimensioni "
    "della foto.",
    true};

const Setup kPreview{
    "frmAnteprimaAutomezzo",
    " Anteprima di stampa",
    "Mostra anteprima",
    "Questa operazione mostra a video i dati della scheda così come verranno stampati.\n\n"
    "Fare clic su Mostra anteprima per vedere il documento prima di stamparlo.",
    "Attenzione: la visualizzazione dell'anteprima di stampa del documento non è andata a buon "
    "fine.\n\r\n\rSi "
    "consiglia di ridurre le dimensioni della foto.",
    false};

const Setup& setupOf(VehiclePrintoutScreen::Command command) {
    return command == VehiclePrintoutScreen::Command::Print ? kPrint : kPreview;
}

void drawSymbol(QPainter& painter, const QRect& area, bool printer) {
    const QColor ink(0x42, 0x7A, 0xA8);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / 60.0, area.height() / 60.0);
    painter.setPen(QPen(ink.darker(130), 2));
    if (printer) {
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(16, 4, 28, 20)); // paper going in
        painter.setBrush(ink);
        painter.drawRoundedRect(QRectF(6, 20, 48, 22), 4, 4);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(16, 34, 28, 22)); // the printed sheet
        painter.setPen(QPen(ink, 1.5));
        for (int y = 40; y <= 50; y += 5)
            painter.drawLine(QPointF(20, y), QPointF(40, y));
    } else {
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(6, 4, 34, 46));
        painter.setPen(QPen(ink, 1.5));
        for (int y = 12; y <= 40; y += 6)
            painter.drawLine(QPointF(11, y), QPointF(35, y));
        painter.setPen(QPen(ink.darker(130), 4));
        painter.setBrush(QColor(255, 255, 255, 170));
        painter.drawEllipse(QPointF(34, 32), 12, 12);
        painter.drawLine(QPointF(43, 41), QPointF(55, 53));
    }
    painter.restore();
}

// The explanatory picture: the command's symbol beside what the command does.
QPixmap explanation(QSize size, const Setup& setup) {
    QPixmap picture(size);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    drawSymbol(painter, QRect(12, 16, 60, 60), setup.printer);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(0x10, 0x2A, 0x60));
    painter.setFont(fonts::verdana(10));
    painter.drawText(QRect(82, 12, size.width() - 94, size.height() - 24),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromUtf8(setup.explanation));
    return picture;
}

// What the screen prints when the card's photo cannot be taken.
QImage euroSign(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x42, 0x7A, 0xA8));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(size.height() * 3 / 4);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("€"));
    return image;
}

} // namespace

VehiclePrintoutScreen* VehiclePrintoutScreen::open(AppContext& ctx, QWidget* opener, Command command,
                                                   const QStringList& fields, const QImage& photo) {
    auto* screen = new VehiclePrintoutScreen(ctx, opener, command, fields, photo);
    screen->present();
    return screen;
}

VehiclePrintoutScreen::VehiclePrintoutScreen(AppContext& ctx, QWidget* opener, Command command,
                                             const QStringList& fields, const QImage& photo)
    : DialogScreen(ctx, opener, QString::fromLatin1(setupOf(command).name),
                   QString::fromUtf8(setupOf(command).caption), Window::FixedCentred, kWindow),
      m_command(command), m_fields(fields) {
    const Setup& setup = setupOf(command);

    auto* background = new QFrame(this);
    background->setObjectName(QStringLiteral("shpSfondo"));
    background->setGeometry(12, 12, 340, 222);
    background->setStyleSheet(
        QStringLiteral("QFrame { background: white; border: 1px solid #9AB; }"));
    auto* picture = new QLabel(background);
    picture->setObjectName(QStringLiteral("imgLogo01"));
    picture->setGeometry(4, 4, 332, 214);
    picture->setPixmap(explanation(picture->size(), setup));
    picture->setStyleSheet(QStringLiteral("QLabel { border: none; }"));

    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    cancel->setGeometry(12, 247, 145, 28);
    auto* go = new QPushButton(QString::fromLatin1(setup.button), this);
    go->setObjectName(QStringLiteral("btnStampa"));
    go->setGeometry(207, 247, 145, 28);
    go->setDefault(true);

    m_logo = new PictureBox(this);
    m_logo->setObjectName(QStringLiteral("imgLogo"));
    m_logo->resize(kPhoto);
    m_logo->hide();
    m_temp = new PictureBox(this);
    m_temp->setObjectName(QStringLiteral("imgTemp"));
    m_temp->resize(kPhoto);
    m_temp->setPicture(euroSign(kPhoto));
    m_temp->hide();

    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(go, &QPushButton::clicked, this, &VehiclePrintoutScreen::run);
    takePhoto(photo);
}

void VehiclePrintoutScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0x42, 0x7A, 0xA8));
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(rect(), gradient);
}

void VehiclePrintoutScreen::takePhoto(const QImage& photo) {
    if (!photo.isNull())
        m_logo->setPicture(photo);
    else
        m_logo->setPicture(m_temp->picture());
}

void VehiclePrintoutScreen::run() {
    report::Outcome outcome = report::Outcome::Failed;
    try {
        report::Report page = vehicle_card_report::design();
        page.orientation = QPageLayout::Portrait;
        vehicle_card_report::fill(page, m_logo->picture(), m_fields);
        outcome = m_command == Command::Print ? report::print(m_ctx, this, std::move(page))
                                              : report::preview(m_ctx, this, std::move(page));
    } catch (const std::exception&) {
        outcome = report::Outcome::Failed;
    }
    if (outcome == report::Outcome::Failed)
        m_ctx.dialogs->notice(this, NoticeKind::Warning,
                              QString::fromUtf8(setupOf(m_command).failure));
    close();
}
