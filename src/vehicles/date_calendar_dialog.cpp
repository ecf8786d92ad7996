#include "vehicles/date_calendar_dialog.h"
#include "ui/fonts.h"
#include "ui/screen_parts.h"

#include "app/app_context.h"
#include "app/formats.h"
#include "ui/gradient.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>

namespace {

struct MarkedField {
    const char* field;
    const char* mark;
};
const MarkedField kMarks[] = {
    {"txtLettura", "autoparco_lettura"},
    {"txtScadRevisione", "autoparco_scadrevisione"},
    {"txtScadTagliando", "autoparco_scadtagliando"},
    {"txtScadAssicurazione", "autoparco_scadassicurazione"},
    {"txtScadBollo", "autoparco_scadbollo"},
};

} // namespace

DateCalendarDialog::DateCalendarDialog(AppContext& ctx, QWidget* opener, const QString& callerMark, Import import)
    : DialogScreen(ctx, opener, QStringLiteral("frmCalendario"), QStringLiteral(" Importazione data"),
                   Window::FixedCentred, QSize(253, 294)),
      m_import(std::move(import)) {

    screen_parts::label(this, QStringLiteral("lblCampo001"), QRect(10, 8, 233, 20),
                        QStringLiteral("Importare una data:"), {fonts::verdana(10, QFont::Bold)});

    QWidget* box = screen_parts::box(this, QStringLiteral("shpCalendario"), QRect(6, 32, 241, 208),
                                     QColor(0xD6, 0xDC, 0xE1));

    m_calendar = new QCalendarWidget(box);
    m_calendar->setObjectName(QStringLiteral("calAppuntamenti"));
    m_calendar->setGeometry(4, 4, 233, 200);
    m_calendar->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setGridVisible(false);
    m_calendar->setSelectedDate(ctx.clock->today());

    auto* importButton = new QPushButton(QStringLiteral("Importa"), this);
    importButton->setObjectName(QStringLiteral("btnImportaData"));
    importButton->setGeometry(18, 252, 100, 30);
    importButton->setCursor(Qt::PointingHandCursor);
    auto* cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    cancel->setGeometry(135, 252, 100, 30);
    cancel->setCursor(Qt::PointingHandCursor);
    for (QPushButton* b : {importButton, cancel}) {
        b->setFont(fonts::verdana(10));
        b->setAutoDefault(false);
    }

    m_mark = screen_parts::hiddenLabel(this, QStringLiteral("lblMemory"), callerMark);

    setTabOrder(m_calendar, importButton);
    setTabOrder(importButton, cancel);
    m_calendar->setFocus();

    connect(importButton, &QPushButton::clicked, this, &DateCalendarDialog::import);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

QString DateCalendarDialog::markFor(const QString& fieldName) {
    for (const MarkedField& m : kMarks)
        if (fieldName == QLatin1String(m.field))
            return QString::fromLatin1(m.mark);
    return {};
}

void DateCalendarDialog::import() {
    if (!m_import)
        return;
    m_import(formats::date(m_calendar->selectedDate()));
    close();
}

void DateCalendarDialog::paintEvent(QPaintEvent*) {
    paintVerticalGradient(this, Qt::white, QColor(0x68, 0x99, 0xC2));
}
