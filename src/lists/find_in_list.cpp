#include "lists/find_in_list.h"

#include "app/app_context.h"
#include "ui/return_chain.h"
#include "lists/result_list.h"
#include "records/text_rules.h"

#include <QLineEdit>
#include <QPushButton>

const QString FindInList::kEmptyListMessage =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

FindInList::FindInList(AppContext& ctx, ResultList* list, QLineEdit* field, QPushButton* button,
                       QString& lastSearch, QObject* parent)
    : QObject(parent), m_ctx(ctx), m_list(list), m_field(field), m_lastSearch(lastSearch) {
    chainReturn({field, button}, false);
    connect(button, &QPushButton::clicked, this, &FindInList::find);
}

void FindInList::find() {
    const int n = m_list->count();
    if (n == 0) {
        m_ctx.dialogs->message(m_list->window(), kEmptyListMessage);
        return;
    }
    int selected = m_list->selectedRow();
    if (selected < 0) {
        selected = 0;
        m_list->selectRow(0);
    }
    const QString key = text::lowerAZ(m_field->text());
    const int start = key == m_lastSearch ? (selected + 1) % n : 0;
    const int found = m_list->rows()->findFrom(start, key);
    if (found >= 0)
        m_list->selectRow(found);
    m_lastSearch = key;
}
