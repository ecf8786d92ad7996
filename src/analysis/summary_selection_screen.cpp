#include "analysis/summary_selection_screen.h"

#include "analysis/summary_view_screen.h"
#include "app/app_context.h"
#include "app/clock.h"
#include "app/formats.h"
#include "costs/cost_fields.h"
#include "costs/cost_file.h"
#include "costs/cost_rules.h"
#include "costs/year_field.h"
#include "records/text_rules.h"
#include "ui/artwork.h"
#include "ui/focus_frame.h"
#include "ui/fonts.h"
#include "ui/return_chain.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "vehicle_output/vehicle_search_screen.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kValidDateHint =
    QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.");

const QColor kDarkBlue(0x00, 0x00, 0x8B);

// The panel's fixed texts: the explanations of the two sections (normal weight) and the
// captions over the first section's fields (bold).
struct TextPlace {
    const char* name;
    QRect place;
    const char* text;
    QFont::Weight weight;
};

constexpr TextPlace kTexts[] = {
    {"lblCampo01",
     {60, 106, 875, 20},
     "Indicare l'anno solare di interesse, la targa dell'automezzo e la causale di pagamento.",
     QFont::Normal},
    {"lblCampo02",
     {60, 126, 875, 20},
     "Per ottenere il riepilogo di tutti i veicoli del parco auto e/o di tutte le causali, "
     "lasciare in bianco i relativi campi.",
     QFont::Normal},
    {"", {60, 160, 100, 20}, "Anno:", QFont::Bold},
    {"", {195, 160, 200, 20}, "Targa:", QFont::Bold},
    {"", {510, 160, 300, 20}, "Causale:", QFont::Bold},
    {"lblCampo03",
     {60, 268, 875, 20},
     "Indicare l'intervallo di tempo relativo al periodo da riepilogare.",
     QFont::Normal},
};

struct BoxPlace {
    const char* name;
    QRect place;
};

constexpr BoxPlace kSections[] = {
    {"shpSezione01", {40, 96, 915, 150}},
    {"shpSezione02", {40, 258, 915, 200}},
};

// Calls `react` after each key release in a field and, when `onLeave`, when it loses the focus.
class AfterKeys : public QObject {
public:
    AfterKeys(QWidget* field, std::function<void()> react, bool onLeave)
        : QObject(field), m_react(std::move(react)), m_onLeave(onLeave) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease || (m_onLeave && event->type() == QEvent::FocusOut))
            m_react();
        return false;
    }

private:
    std::function<void()> m_react;
    bool m_onLeave;
};

// Calls `react` when the mouse button is let go over a widget, wherever the pointer then is.
class AfterRelease : public QObject {
public:
    AfterRelease(QWidget* widget, std::function<void()> react) : QObject(widget), m_react(std::move(react)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease)
            m_react();
        return false;
    }

private:
    std::function<void()> m_react;
};

} // namespace

SummarySelectionScreen::SummarySelectionScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmMenuRiepSpese"),
                 QStringLiteral(" Vestrano 3.0 - Riepilogo costi sostenuti"), Window::Maximised) {
    using namespace screen_parts;
    setGradient(QColor(0x46, 0x82, 0xB4));
    QWidget* panel = centredPanel(screen_sizes::kAreaPanel);

    picture(panel, QStringLiteral("imgTitolo"), QRect(40, 24, 915, 56),
            art::words(QSize(915, 56), QStringLiteral("Riepilogo costi sostenuti"), Qt::white, 38));
    for (const BoxPlace& section : kSections)
        box(panel, QString::fromLatin1(section.name), section.place, Qt::white);
    for (const TextPlace& t : kTexts)
        label(panel, QString::fromLatin1(t.name), t.place, QString::fromUtf8(t.text),
              {fonts::verdana(9, t.weight), kDarkBlue});

    const QFont entry = fonts::verdana(12, QFont::Bold);
    m_year = new QLineEdit(panel);
    m_year->setObjectName(QStringLiteral("txtAnno"));
    m_year->setGeometry(60, 182, 100, 32);
    m_year->setFont(entry);
    makeYearField(m_year);
    new AfterKeys(m_year, [this] { mirrorYear(); }, true);

    m_plate = new QLineEdit(panel);
    m_plate->setObjectName(QStringLiteral("txtTipologia"));
    m_plate->setGeometry(195, 182, 250, 32);
    m_plate->setFont(entry);
    m_plate->setMaxLength(30);
    new AfterKeys(
        m_plate,
        [this] {
            const QString shaped = text::upperAZ(text::trimmed(m_plate->text()));
            if (shaped != m_plate->text())
                m_plate->setText(shaped);
        },
        false);
    auto* pick = glyphButton(panel, QStringLiteral("impCliente"), QRect(451, 187, 22, 22),
                             art::Glyph::Find, QStringLiteral("Scegli un veicolo"));
    connect(pick, &QPushButton::clicked, this, [this] {
        const VehicleSink sink{[this](const TSchedaVeicolo& card, qint64) {
                                   m_plate->setText(card[TSchedaVeicolo::Targa]);
                               },
                               {}};
        (new VehicleSearchScreen(m_ctx, this, QStringLiteral("riepspese"), sink))->present();
    });

    m_reason =
        cost_fields::makeListField(panel, QStringLiteral("txtCausale"), cost_rules::reasons(), 50);
    m_reason->setGeometry(510, 182, 420, 32);
    m_reason->setFont(entry);
    m_reason->setEditText(QString()); // no reason: every reason
    cost_fields::clearSelectionOnFocus(m_reason);

    struct DateGroup {
        const char* title;
        const char* day;
        const char* month;
        const char* year;
        int x;
    };
    const DateGroup groups[] = {
        {" Data inizio intervallo: ", "txtGiornoInizio", "txtMeseInizio", "lblAnnoInizio", 60},
        {" Data fine intervallo: ", "txtGiornoFine", "txtMeseFine", "lblAnnoFine", 510},
    };
    const TextLook caption{fonts::verdana(9, QFont::Bold), kDarkBlue};
    for (const DateGroup& g : groups) {
        auto* group = new QGroupBox(QString::fromLatin1(g.title), panel);
        group->setGeometry(g.x, 298, 420, 130);
        group->setFont(fonts::verdana(9, QFont::Bold));
        label(group, {}, QRect(20, 36, 90, 20), QStringLiteral("Giorno:"), caption);
        QComboBox* day =
            cost_fields::makeListField(group, QString::fromLatin1(g.day), cost_rules::days(), 2);
        day->setGeometry(20, 60, 80, 32);
        day->setFont(entry);
        cost_fields::makeDayField(day);
        cost_fields::clearSelectionOnFocus(day);
        label(group, {}, QRect(125, 36, 150, 20), QStringLiteral("Mese:"), caption);
        QComboBox* month = cost_fields::makeListField(group, QString::fromLatin1(g.month),
                                                      cost_rules::months(), 9);
        month->setGeometry(125, 60, 160, 32);
        month->setFont(entry);
        cost_fields::makeMonthField(month, Qt::CaseInsensitive);
        cost_fields::clearSelectionOnFocus(month);
        QLabel* year = label(group, QString::fromLatin1(g.year), QRect(300, 52, 110, 46),
                             QStringLiteral("ANNO"), {fonts::verdana(22, QFont::Bold), kDarkBlue});
        const bool start = g.x == 60;
        (start ? m_dayFrom : m_dayTo) = day;
        (start ? m_monthFrom : m_monthTo) = month;
        (start ? m_yearFrom : m_yearTo) = year;
    }

    m_wait = label(panel, QStringLiteral("lblAttendere"), QRect(60, 480, 500, 28),
                   QStringLiteral("Caricamento riepilogo in corso. Attendere..."),
                   {fonts::verdana(12, QFont::Bold), QColor(0x00, 0x8B, 0x8B)});
    m_wait->hide();

    m_show = button(panel, QStringLiteral("btnVisualizza"), QRect(590, 476, 220, 40),
                    QStringLiteral("Visualizza riepilogo"));
    // The notice shows as soon as the button goes down, before the click does its work.
    connect(m_show, &QPushButton::pressed, this, [this] {
        m_wait->show();
        m_wait->repaint();
    });
    connect(m_show, &QPushButton::clicked, this, &SummarySelectionScreen::openSummary);
    // A press that is dragged off the button never clicks: the notice must not stay behind.
    new AfterRelease(m_show, [this] {
        QTimer::singleShot(0, this, [this] {
            if (!findChild<SummaryViewScreen*>())
                m_wait->hide();
        });
    });

    auto* exit =
        button(panel, QStringLiteral("btnEsci"), QRect(835, 476, 120, 40), QStringLiteral("Esci"));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    m_dateFrom = hiddenLabel(panel, QStringLiteral("lblDataInizio"));
    m_dateTo = hiddenLabel(panel, QStringLiteral("lblDataFine"));
    m_file = hiddenLabel(panel, QStringLiteral("lblFile"), QStringLiteral("FilePath"));

    const QList<QWidget*> order{m_year,      m_plate, m_reason, m_dayFrom,
                                m_monthFrom, m_dayTo, m_monthTo};
    for (QWidget* field : order)
        addFocusFrame(field, 4);
    chainReturn(QList<QWidget*>(order) << m_show, false);
}

void SummarySelectionScreen::onShow() {
    for (QComboBox* field : {m_dayFrom, m_monthFrom, m_dayTo, m_monthTo}) {
        field->setEditText(QString());
        cost_fields::clearListSelection(field);
    }
    m_year->setText(QStringLiteral("%1").arg(m_ctx.clock->today().year(), 4, 10, QLatin1Char('0')));
    mirrorYear();
    m_plate->setFocus(Qt::OtherFocusReason);
}

void SummarySelectionScreen::mirrorYear() {
    const QString year = text::trimmed(m_year->text());
    m_yearFrom->setText(year);
    m_yearTo->setText(year);
}

void SummarySelectionScreen::stop(bool warning, const QString& text, QWidget* focus) {
    if (warning)
        m_ctx.dialogs->notice(this, NoticeKind::Warning, text);
    else
        m_ctx.dialogs->message(this, text);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    m_wait->hide();
}

QString SummarySelectionScreen::composeDate(const QComboBox* day, const QComboBox* month, const QLabel* year) {
    const QString digits = cost_rules::monthDigits(month->currentText());
    if (digits.isEmpty())
        return {};
    return text::trimmed(day->currentText()) + formats::kDateSeparator + digits + formats::kDateSeparator +
           text::trimmed(year->text());
}

void SummarySelectionScreen::openSummary() {
    m_dateFrom->clear();
    m_dateTo->clear();
    if (!isYearText(m_year->text()))
        return stop(true, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."), m_year);
    const struct {
        QComboBox* field;
        const char* what;
    } required[] = {{m_dayFrom, "il giorno di inizio"},
                    {m_monthFrom, "il mese di inizio"},
                    {m_dayTo, "il giorno di fine"},
                    {m_monthTo, "il mese di fine"}};
    for (const auto& r : required)
        if (text::isBlank(r.field->currentText()))
            return stop(true,
                        QStringLiteral("Attenzione: indicare ") + QString::fromLatin1(r.what) +
                            QStringLiteral(" intervallo selezionandolo dall'elenco a cascata."),
                        r.field);

    m_dateFrom->setText(composeDate(m_dayFrom, m_monthFrom, m_yearFrom));
    const QString from = text::trimmed(m_dateFrom->text());
    if (!cost_rules::isCalendarDate(from))
        return stop(false,
                    QStringLiteral("Attenzione: la data ") + from + QStringLiteral(" di inizio intervallo non esiste.") +
                        kValidDateHint,
                    m_dayFrom);
    m_dateTo->setText(composeDate(m_dayTo, m_monthTo, m_yearTo));
    const QString to = text::trimmed(m_dateTo->text());
    if (!cost_rules::isCalendarDate(to))
        return stop(false,
                    QStringLiteral("Attenzione: la data ") + to + QStringLiteral(" di fine intervallo non esiste.") +
                        kValidDateHint,
                    m_dayTo);
    if (formats::parseDate(from) > formats::parseDate(to))
        return stop(false,
                    QStringLiteral("Attenzione: la data di fine intervallo (") + to +
                        QStringLiteral(") non può essere anteriore a quella di inizio intervallo (") + from +
                        QStringLiteral(").\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un "
                                       "intervallo di tempo valido."),
                    nullptr);

    m_file->setText(CostFile::pathFor(m_ctx.programDir, text::trimmed(m_year->text())));
    const SummaryAsked asked{m_plate->text(), m_reason->currentText(), m_dateFrom->text(), m_dateTo->text(),
                             m_file->text()};
    try {
        auto* view = new SummaryViewScreen(m_ctx, this, asked, m_lastSummarySearch);
        connect(view, &QDialog::finished, m_wait, &QWidget::hide);
        view->present();
    } catch (const std::exception&) {
        stop(false, QStringLiteral("Attenzione: il file di archivio non risulta accessibile."), nullptr);
    }
}
