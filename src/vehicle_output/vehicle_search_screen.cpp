#include "vehicle_output/vehicle_search_screen.h"

#include "app/app_context.h"
#include "app/artwork.h"
#include "app/control_text.h"
#include "app/focus_frame.h"
#include "app/formats.h"
#include "app/return_chain.h"
#include "app/screens.h"
#include "lists/find_in_list.h"
#include "lists/list_printout.h"
#include "lists/result_list.h"
#include "lists/row_hand_over.h"
#include "vehicle_output/vehicle_search.h"
#include "vehicles/vehicle_card_screen.h"
#include "vehicles/vehicle_file.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

using F = TSchedaVeicolo;

const QString kAccessFailure = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
    "privilegi di scrittura nella cartella di installazione del programma.");
const QString kTitle = QStringLiteral("Riepilogo schede veicoli in archivio");

// The criteria fields in table order, with their labels; shown two to a row.
struct CriterionPlace {
    const char* field;
    const char* label;
    const char* caption;
    const char* frame;
};
const CriterionPlace kPlaces[10] = {
    {"txtTipo", "lblCampo01", "Tipo veicolo:", "effCampo01"},
    {"txtDestinazione", "lblCampo02", "Destinazione ed uso:", "effCampo02"},
    {"txtMarca", "lblCampo09", "Marca:", "effCampo09"},
    {"txtModello", "lblCampo10", "Modello:", "effCampo10"},
    {"txtTarga", "lblCampo05", "Targa:", "effCampo05"},
    {"txtStato", "lblCampo06", "Stato veicolo:", "effCampo06"},
    {"txtAutista", "lblCampo07", "Autista:", "effCampo07"},
    {"txtMeccanico", "lblCampo08", "Meccanico:", "effCampo08"},
    {"txtProprietario", "lblCampo03", "Proprietario:", "effCampo03"},
    {"txtNote", "lblCampo04", "Note:", "effCampo04"},
};

const QColor kDarkCyan(0x00, 0x8B, 0x8B);

QFont verdana(int size, bool bold = false) {
    return QFont(QStringLiteral("Verdana"), size, bold ? QFont::Bold : QFont::Normal);
}

QLabel* colouredLabel(QWidget* parent, const QString& name, const QString& text, QColor colour, const QRect& r) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(r);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(verdana(10, true));
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}

QLabel* hiddenLabel(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& r) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(r);
    b->setAutoDefault(false);
    return b;
}

// A white box with a picture of words on it.
QLabel* wordsPicture(QWidget* parent, const QString& name, const QRect& r, const QString& text, QColor colour,
                     int pixelSize, bool bold, QColor ground = Qt::white) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(r);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, ground);
    label->setPalette(pal);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setContentsMargins(12, 4, 12, 4);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
    label->setText(text);
    return label;
}

} // namespace

VehicleSearchScreen::VehicleSearchScreen(AppContext& ctx, QWidget* opener, const QString& callerMark)
    : DialogScreen(ctx, opener, QStringLiteral("frmTrovaAutomezzi"),
                   QStringLiteral(" Trova schede veicoli in archivio"), Window::FixedCentred, QSize(862, 560)) {
    formats::applyProcessWide();
    setGradient(QColor(0x46, 0x82, 0xB4));
    const QRect panelRect(14, 15, 833, 529);
    m_criteriaPanel = new QWidget(this);
    m_criteriaPanel->setObjectName(QStringLiteral("panAvvio"));
    m_criteriaPanel->setGeometry(panelRect);
    m_resultsPanel = new QWidget(this);
    m_resultsPanel->setObjectName(QStringLiteral("panContainer"));
    m_resultsPanel->setGeometry(panelRect);
    m_resultsPanel->hide();
    buildCriteria(m_criteriaPanel);
    buildResults(m_resultsPanel);
    m_memory = hiddenLabel(this, QStringLiteral("lblMemory"), callerMark);
}

void VehicleSearchScreen::buildCriteria(QWidget* panel) {
    wordsPicture(panel, QStringLiteral("imgSpiega"), QRect(0, 0, 833, 92),
                 QStringLiteral("Digitare nei campi prescelti una o più parole consecutive contenute nelle schede da "
                                "trovare e lasciare in bianco tutti gli altri campi. È possibile utilizzare uno o più "
                                "campi contemporaneamente."),
                 QColor(0x10, 0x2A, 0x60), 15, true);
    auto* decoration = new QLabel(panel);
    decoration->setObjectName(QStringLiteral("imgTrova01"));
    decoration->setGeometry(8, 150, 150, 220);
    decoration->setPixmap(art::glyph(QSize(120, 120), art::Glyph::Find));
    decoration->setAlignment(Qt::AlignCenter);

    QList<QWidget*> order;
    for (int i = 0; i < 10; ++i) {
        const CriterionPlace& place = kPlaces[i];
        const int x = i % 2 == 0 ? 168 : 500;
        const int y = 112 + (i / 2) * 62;
        auto* caption = new QLabel(QString::fromUtf8(place.caption), panel);
        caption->setObjectName(QString::fromLatin1(place.label));
        caption->setFont(verdana(12));
        caption->setGeometry(x, y, 320, 22);
        caption->setStyleSheet(QStringLiteral("color: #10285F;"));
        auto* field = new QLineEdit(panel);
        field->setObjectName(QString::fromLatin1(place.field));
        field->setFont(verdana(12, true));
        field->setGeometry(x, y + 28, 320, 22);
        addFocusFrame(field, 4)->setObjectName(QString::fromLatin1(place.frame));
        m_criteria.append(field);
        order.append(field);
    }
    chainReturn(order);

    m_wait = colouredLabel(panel, QStringLiteral("lblAttendere"),
                           QStringLiteral("Ricerca schede in corso. Attendere..."), kDarkCyan, QRect(180, 440, 473, 24));
    m_wait->setStyleSheet(QStringLiteral("background-color: white; color: #008B8B;"));
    m_wait->hide();
    m_count = hiddenLabel(panel, QStringLiteral("lblConta"), QStringLiteral("0"));

    auto* close = button(panel, QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"), QRect(8, 486, 161, 32));
    auto* search = button(panel, QStringLiteral("btnCerca"), QStringLiteral("Cerca"), QRect(664, 486, 161, 32));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(search, &QPushButton::pressed, this, [this] {
        m_wait->show();
        m_wait->repaint();
    });
    connect(search, &QPushButton::released, m_wait, &QWidget::hide); // pressed, then let go elsewhere
    connect(search, &QPushButton::clicked, this, &VehicleSearchScreen::search);
}

void VehicleSearchScreen::buildResults(QWidget* panel) {
    wordsPicture(panel, QStringLiteral("imgLogo"), QRect(8, 0, 817, 53), QStringLiteral("SCHEDE VEICOLI TROVATE"),
                 QColor(0x10, 0x2A, 0x60), 28, true);
    wordsPicture(panel, QStringLiteral("icoIstruzioni01"), QRect(8, 60, 817, 44),
                 QStringLiteral("Digitare una o più parole consecutive della voce da trovare e premere Trova. Premere "
                                "di nuovo Trova per passare alla voce successiva che contiene le stesse parole."),
                 QColor(0x20, 0x30, 0x60), 13, false);
    m_findText = new QLineEdit(panel);
    m_findText->setObjectName(QStringLiteral("txtTrova"));
    m_findText->setFont(verdana(12, true));
    m_findText->setGeometry(16, 114, 593, 28);
    auto* find = button(panel, QStringLiteral("btnTrova"), QStringLiteral("Trova"), QRect(620, 112, 161, 32));

    m_list = new ResultList(panel);
    m_list->setGeometry(16, 152, 801, 273);
    new FindInList(m_ctx, m_list, m_findText, find, m_lastSearch, this);
    connect(m_list, &ResultList::rowChosen, this, &VehicleSearchScreen::handOver);

    auto* hint = colouredLabel(panel, QStringLiteral("lblRigo03"),
                               QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"),
                               QColor(0xDC, 0x14, 0x3C), QRect(16, 430, 801, 20));
    hint->setFont(verdana(10));
    m_found = colouredLabel(panel, QStringLiteral("lblTrovate"),
                            QStringLiteral("Il presente riepilogo contiene 0 schede"), kDarkCyan,
                            QRect(180, 492, 473, 22));

    auto* close = button(panel, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), QRect(8, 486, 161, 32));
    auto* print = button(panel, QStringLiteral("btnStampa"), QStringLiteral("Stampa"), QRect(664, 486, 161, 32));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(print, &QPushButton::clicked, this, &VehicleSearchScreen::print);
}

void VehicleSearchScreen::showEvent(QShowEvent* event) {
    DialogScreen::showEvent(event);
    if (event->spontaneous())
        return;
    m_lastSearch.clear();
    m_list->selectRow(0);
    m_findText->clear();
    m_criteria.first()->setFocus();
}

void VehicleSearchScreen::closeEvent(QCloseEvent* event) {
    m_list->clearRows();
    m_wait->hide();
    DialogScreen::closeEvent(event);
}

void VehicleSearchScreen::search() {
    std::array<QString, 10> texts;
    for (int i = 0; i < 10; ++i)
        texts[static_cast<std::size_t>(i)] = m_criteria[i]->text();
    const vehicle_search::Criteria criteria(texts);
    m_count->setText(QString::number(criteria.setCount()));
    m_wait->show();
    m_wait->repaint();

    std::vector<QString> rows;
    try {
        VehicleFile file(m_ctx.programDir);
        m_list->clearRows();
        vehicle_search::collect(file, criteria, rows);
        file.close();
    } catch (const RecordFileError&) {
        m_list->setRows(std::move(rows)); // what was found before the failure stays listed
        m_wait->hide();
        m_ctx.dialogs->notice(this, NoticeKind::Error, kAccessFailure);
        return;
    }
    m_list->setRows(std::move(rows));
    m_list->finishFill();
    m_found->setText(QStringLiteral("Il presente riepilogo contiene %1 schede").arg(m_list->count()));
    m_wait->hide();
    m_resultsPanel->show();
    m_criteriaPanel->hide();
    m_findText->clear();
    m_findText->setFocus();
}

void VehicleSearchScreen::handOver() {
    const QString mark = m_memory->text();
    const auto screen = [this](const QString& name) -> QWidget* {
        return m_ctx.screens ? m_ctx.screens->area(name) : nullptr;
    };
    RowHandOver how;
    how.open = [this] { return std::make_unique<VehicleFile>(m_ctx.programDir); };
    how.rowOf = [](QByteArrayView record) { return vehicle_search::row(record); };
    how.handOver = [](int, QByteArrayView) {}; // an unknown mark writes nothing

    if (mark == QLatin1String("autoparco")) {
        if (auto* card = qobject_cast<VehicleCardScreen*>(screen(QStringLiteral("frmAutoparco")))) {
            auto filled = std::make_shared<bool>(false);
            how.handOver = [card, filled](int position, QByteArrayView record) {
                card->fillFields(F::decode(record), position);
                *filled = true;
            };
            // The photo of the card finally on screen, once the file is closed.
            how.afterClose = [card, filled] {
                if (*filled)
                    card->loadPhoto();
            };
        }
    } else if (mark == QLatin1String("costi")) {
        QWidget* costs = screen(QStringLiteral("frmCosti"));
        how.handOver = [costs](int, QByteArrayView record) {
            const auto value = [record](F::Field f) { return F::layout().decodeField(record, f); };
            // In this order, as the cost screen's own field rules may react to each.
            setControlText(costs, QStringLiteral("txtVeicolo"), value(F::Tipo));
            setControlText(costs, QStringLiteral("txtMarca"), value(F::Marca));
            setControlText(costs, QStringLiteral("txtModello"), value(F::Modello));
            setControlText(costs, QStringLiteral("txtColore"), value(F::Colore));
            setControlText(costs, QStringLiteral("txtAlimentazione"), value(F::Alimentazione));
            setControlText(costs, QStringLiteral("txtTarga"), value(F::Targa));
        };
    } else if (mark == QLatin1String("riepspese")) {
        QWidget* selection = screen(QStringLiteral("frmMenuRiepSpese"));
        how.handOver = [selection](int, QByteArrayView record) {
            setControlText(selection, QStringLiteral("txtTipologia"), F::layout().decodeField(record, F::Targa));
        };
    }
    handOverByRow(this, *m_list, how);
}

void VehicleSearchScreen::print() {
    printList(m_ctx, this, kTitle, m_list->texts());
}
