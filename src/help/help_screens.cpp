#include "help/help_screens.h"
#include "ui/fonts.h"

#include "app/app_context.h"
#include "app/data_folder.h"
#include "help/info_artwork.h"
#include "help/maker.h"
#include "ui/artwork.h"
#include "ui/gradient.h"
#include "ui/screen_parts.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QColor kLinkBlue(0x00, 0x00, 0x8B);
const QColor kLinkPressed(0xFF, 0xA5, 0x00);

QPushButton* closeButton(QWidget* parent, const QRect& place) {
    auto* button = screen_parts::button(parent, QStringLiteral("btnChiudi"), place,
                                        QStringLiteral("Chiudi"), fonts::verdana(12));
    QObject::connect(button, &QPushButton::clicked, parent, &QWidget::close);
    return button;
}

} // namespace

LinkText::LinkText(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setObjectName(QStringLiteral("lnkWeb"));
    QFont font(QStringLiteral("Tahoma"), 14);
    font.setUnderline(true);
    setFont(font);
    setCursor(Qt::PointingHandCursor);
    setPressed(false);
}

void LinkText::setPressed(bool pressed) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, pressed ? kLinkPressed : kLinkBlue);
    setPalette(pal);
}

void LinkText::attachIcon(QPushButton* icon) {
    connect(icon, &QPushButton::pressed, this, [this] { setPressed(true); });
    connect(icon, &QPushButton::released, this, [this] { setPressed(false); });
    connect(icon, &QPushButton::clicked, this, [this] {
        setPressed(false);
        emit clicked();
    });
}

void LinkText::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        setPressed(true);
    QLabel::mousePressEvent(event);
}

void LinkText::mouseReleaseEvent(QMouseEvent* event) {
    setPressed(false);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

HelpScreen::HelpScreen(AppContext& ctx, QWidget* opener)
    : DialogScreen(ctx, opener, QStringLiteral("frmGuida"), QStringLiteral(" Guida all'utilizzo del software"),
                   Window::FixedCentred, QSize(670, 572)) {
    screen_parts::box(this, {}, QRect(0, 0, 670, 64), Qt::white);
    screen_parts::picture(this, QStringLiteral("imgLogo"), QRect(10, 2, 650, 60),
                          art::heading(QSize(650, 60), art::glyph(QSize(44, 44), art::Glyph::Help),
                                       QStringLiteral("Guida all'utilizzo del software")));

    m_title = screen_parts::label(
        this, QStringLiteral("lblTitolo"), QRect(22, 74, 625, 32),
        QStringLiteral("Argomento della guida."),
        {QFont(QStringLiteral("Arial"), 16, QFont::Bold), QColor(0xDC, 0x14, 0x3C)});

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtGuida"));
    m_text->setGeometry(22, 112, 625, 350);
    m_text->setReadOnly(true);
    m_text->setFont(fonts::verdana(12, QFont::Bold));
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* pdf = screen_parts::pictureButton(this, QStringLiteral("imgPDF"), QRect(22, 474, 34, 34),
                                            art::pdfIcon(QSize(34, 34)),
                                            QStringLiteral("Guida in formato PDF"));
    m_link = new LinkText(QStringLiteral("Visualizza guida in formato PDF"), this);
    m_link->setGeometry(64, 478, 360, 26);
    m_link->attachIcon(pdf);
    connect(m_link, &LinkText::clicked, this, &HelpScreen::openGuide);

    closeButton(this, QRect(527, 522, 120, 34));
}

void HelpScreen::setTopic(const QString& title, const QString& text) {
    m_title->setText(title);
    m_text->setPlainText(text);
}

void HelpScreen::openGuide() {
    // Quoted, so that a program folder with blanks in its path still opens.
    const QString guide =
        data_folder::deliveredFile(m_ctx.programDir, m_ctx.deliveredDir, QLatin1String(help::kGuideFileName));
    m_ctx.shell->open(u'"' + guide + u'"');
}

void HelpScreen::paintEvent(QPaintEvent*) {
    paintVerticalGradient(this, Qt::white, QColor(0xBF, 0xD8, 0xEF));
}

AboutScreen::AboutScreen(AppContext& ctx, QWidget* opener)
    : DialogScreen(ctx, opener, QStringLiteral("frmInfo"), QStringLiteral(" Informazioni su Vestrano 3.0"),
                   Window::FixedCentred, QSize(473, 579)) {
    screen_parts::box(this, {}, QRect(0, 0, 473, 64), Qt::white);
    screen_parts::picture(this, QStringLiteral("imgLogo"), QRect(10, 2, 453, 60),
                          art::heading(QSize(453, 60), art::glyph(QSize(44, 44), art::Glyph::Info),
                                       QStringLiteral("Informazioni sul programma")));
    screen_parts::picture(
        this, QStringLiteral("imgProgramma"), QRect(20, 74, 433, 390),
        art::aboutPicture(QSize(433, 390), QString::fromLatin1(help::kMakerName)));

    auto* mail = screen_parts::pictureButton(
        this, QStringLiteral("imgEmail"), QRect(96, 470, 34, 34), art::envelopeIcon(QSize(34, 34)),
        QStringLiteral("Scrivi una e-mail"));
    m_link = new LinkText(QString::fromLatin1(help::kMakerEmail), this);
    m_link->setGeometry(138, 474, 260, 26);
    m_link->attachIcon(mail);
    connect(m_link, &LinkText::clicked, this, [this] {
        const QString mailto = QStringLiteral("mailto:") + QLatin1String(help::kMakerEmail) +
                               QStringLiteral("?subject=Software Vestrano 3.0&body=Salve, desidererei avere le "
                                              "seguenti informazioni sul software in oggetto:");
        m_ctx.shell->open(u'"' + mailto + u'"');
    });

    closeButton(this, QRect(176, 526, 120, 34));
}

void AboutScreen::paintEvent(QPaintEvent*) {
    paintVerticalGradient(this, QColor(0x46, 0x82, 0xB4), Qt::white);
}

CreditsScreen::CreditsScreen(AppContext& ctx, QWidget* opener)
    : DialogScreen(ctx, opener, QStringLiteral("frmSplash"),
                   QStringLiteral(" Vestrano 3.0 - ") + QLatin1String(help::kMakerName), Window::FixedCentred,
                   QSize(661, 467)) {
    screen_parts::picture(this, QStringLiteral("imgLogo"), QRect(18, 14, 625, 380),
                          art::creditsPicture(QSize(625, 380),
                                              QString::fromLatin1(help::kMakerName),
                                              QString::fromLatin1(help::kMakerWebAddress)));
    // The dark blue link needs a light ground at the dark foot of the window.
    screen_parts::box(this, {}, QRect(12, 408, 350, 42), Qt::white);
    auto* web =
        screen_parts::pictureButton(this, QStringLiteral("imgWeb"), QRect(18, 414, 30, 30),
                                    art::globeIcon(QSize(30, 30)), QStringLiteral("Sito web"));
    m_link = new LinkText(QString::fromLatin1(help::kMakerWebAddress), this);
    m_link->setGeometry(56, 416, 300, 26);
    m_link->attachIcon(web);
    connect(m_link, &LinkText::clicked, this,
            [this] { m_ctx.shell->open(QString::fromLatin1(help::kMakerWebAddress)); });
    closeButton(this, QRect(523, 412, 120, 34));
}

void CreditsScreen::paintEvent(QPaintEvent*) {
    paintVerticalGradient(this, Qt::white, QColor(0x35, 0x25, 0x25));
}
