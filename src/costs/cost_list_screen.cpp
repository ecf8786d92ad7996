#include "costs/cost_list_screen.h"
#include "ui/fonts.h"

#include "app/app_context.h"
#include "costs/cost_file.h"
#include "costs/cost_list.h"
#include "lists/criteria_panel.h"
#include "lists/find_in_list.h"
#include "lists/list_printout.h"
#include "lists/result_list.h"
#include "lists/row_hand_over.h"
#include "ui/artwork.h"
#include "ui/focus_frame.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CostListScreen::CostListScreen(AppContext& ctx, QWidget* opener, const QString& name,
                               const QString& caption, const QString& printTitle,
                               const QString& yearFile)
    : DialogScreen(ctx, opener, name, caption, Window::FixedCentred, screen_sizes::kListWindow),
      m_printTitle(printTitle), m_yearFile(yearFile) {
    setGradient(QColor(0x46, 0x82, 0xB4));
}

void CostListScreen::buildResults(QWidget* panel, const QString& banner) {
    criteria_panel::resultsBanner(panel, banner);
    screen_parts::picture(panel, QStringLiteral("imgLente"), QRect(16, 113, 30, 30),
                          art::glyph(QSize(30, 30), art::Glyph::Find));

    m_findText = new QLineEdit(panel);
    m_findText->setObjectName(QStringLiteral("txtTrova"));
    m_findText->setFont(fonts::verdana(12, QFont::Bold));
    m_findText->setGeometry(56, 114, 553, 28);
    addFocusFrame(m_findText, 4);
    auto* find = screen_parts::dialogButton(panel, QStringLiteral("btnTrova"),
                                            QRect(620, 112, 161, 32), QStringLiteral("Trova"));

    m_list = new ResultList(panel);
    m_list->setGeometry(16, 152, 801, 273);
    m_list->keepInView(ResultList::kWholeRow); // the amount ends each row
    new FindInList(m_ctx, m_list, m_findText, find, m_lastSearch, this);
    connect(m_list, &ResultList::rowChosen, this, &CostListScreen::handOver);

    criteria_panel::resultsHint(panel);

    auto* close = screen_parts::dialogButton(panel, QStringLiteral("btnChiudi"),
                                             QRect(8, 486, 161, 32), QStringLiteral("Chiudi"));
    auto* print = screen_parts::dialogButton(panel, QStringLiteral("btnStampa"),
                                             QRect(664, 486, 161, 32), QStringLiteral("Stampa"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(print, &QPushButton::clicked, this, &CostListScreen::print);
}

void CostListScreen::forgetFind() {
    m_lastSearch.clear();
    m_findText->clear();
}

void CostListScreen::handOver() {
    RowHandOver how;
    how.open = [path = m_yearFile] { return std::make_unique<CostFile>(path); };
    how.rowOf = [](QByteArrayView record) { return cost_list::row(record); };
    how.handOver = [this](qint64 position, QByteArrayView record) {
        emit entryChosen(TSchedaCosto::decode(record), position);
    };
    handOverByRow(this, *m_list, how);
}

void CostListScreen::print() {
    printList(m_ctx, this, m_printTitle, m_list->texts());
}

void CostListScreen::closeEvent(QCloseEvent* event) {
    m_list->clearRows();
    DialogScreen::closeEvent(event);
}
