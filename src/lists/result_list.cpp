#include "lists/result_list.h"

#include "lists/row_order.h"

#include <QFont>
#include <QFontMetrics>
#include <QItemSelectionModel>

#include <algorithm>
#include <string_view>

void ResultListModel::setRows(std::vector<QString> rows) {
    std::vector<Entry> entries;
    entries.reserve(rows.size());
    for (QString& r : rows) {
        QByteArray k = row_order::key(r);
        entries.push_back({std::move(r), std::move(k)});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return row_order::less(a.key, b.key); });
    beginResetModel();
    m_rows = std::move(entries);
    endResetModel();
}

void ResultListModel::clear() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

QStringList ResultListModel::texts() const {
    QStringList out;
    out.reserve(count());
    for (const Entry& e : m_rows)
        out.append(e.text);
    return out;
}

int ResultListModel::findFrom(int start, QStringView key) const {
    const int n = count();
    if (n == 0 || key.isEmpty())
        return -1;
    const std::optional<QByteArray> wanted = row_order::searchKey(key);
    if (!wanted)
        return -1;
    const std::string_view needle(wanted->constData(), static_cast<std::size_t>(wanted->size()));
    start = std::clamp(start, 0, n - 1);
    for (int k = 0; k < n; ++k) {
        const int i = (start + k) % n;
        const QByteArray& hay = m_rows[static_cast<std::size_t>(i)].key;
        if (std::string_view(hay.constData(), static_cast<std::size_t>(hay.size())).find(needle) !=
            std::string_view::npos)
            return i;
    }
    return -1;
}

void ResultListModel::setItemSize(QSize size) {
    emit layoutAboutToBeChanged();
    m_itemSize = size;
    emit layoutChanged(); // the view measures its items again
}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row());
    case Qt::SizeHintRole:
        return m_itemSize.isValid() ? QVariant(m_itemSize) : QVariant();
    default:
        return {};
    }
}

ResultList::ResultList(QWidget* parent) : QListView(parent), m_model(new ResultListModel(this)) {
    setObjectName(QStringLiteral("lstRecords"));
    setModel(m_model);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    // The list's own font for every item, whatever the style says, so the columns line up.
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    setFont(font);
    QPalette pal = palette();
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowDoubleClicked(index.row()); });
}

void ResultList::setRows(std::vector<QString> rows) {
    m_model->setRows(std::move(rows));
}

void ResultList::clearRows() {
    m_model->clear();
}

void ResultList::finishFill() {
    const QFontMetrics metrics(font());
    m_model->setItemSize(QSize(kItemWidth, metrics.height() + 2));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

int ResultList::selectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ResultList::selectRow(int row) {
    if (row < 0 || row >= count()) {
        selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

QString ResultList::selectedText() const {
    const int row = selectedRow();
    return row < 0 ? QString() : m_model->text(row);
}
