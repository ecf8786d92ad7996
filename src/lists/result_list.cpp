#include "lists/result_list.h"

#include "lists/row_order.h"

#include <QFont>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>
#include <functional>
#include <string_view>

void ResultListModel::setRows(std::vector<QString> rows) {
    // Keys are prepared once, in one buffer, and the rows sorted on them by index.
    const std::size_t n = rows.size();
    QByteArray raw;
    std::vector<qsizetype> rawStarts(n + 1);
    qsizetype total = 0;
    for (const QString& r : rows)
        total += r.size() + 1;
    raw.reserve(total);
    for (std::size_t i = 0; i < n; ++i) {
        rawStarts[i] = raw.size();
        row_order::appendKey(raw, rows[i]);
        raw += '\0';
    }
    rawStarts[n] = raw.size();
    const auto keyOf = [&](std::size_t i) {
        return std::string_view(raw.constData() + rawStarts[i], std::size_t(rawStarts[i + 1] - rawStarts[i] - 1));
    };
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return keyOf(a) < keyOf(b); // char_traits<char> compares as unsigned char
    });

    std::vector<QString> texts;
    texts.reserve(n);
    QByteArray keys;
    keys.reserve(total);
    std::vector<qsizetype> starts(n + 1);
    for (std::size_t i = 0; i < n; ++i) {
        starts[i] = keys.size();
        const std::string_view k = keyOf(order[i]);
        keys.append(k.data(), qsizetype(k.size()));
        keys += '\0';
        texts.push_back(std::move(rows[order[i]]));
    }
    starts[n] = keys.size();

    beginResetModel();
    m_texts = std::move(texts);
    m_keys = std::move(keys);
    m_starts = std::move(starts);
    endResetModel();
}

void ResultListModel::clear() {
    beginResetModel();
    m_texts.clear();
    m_keys.clear();
    m_starts.clear();
    endResetModel();
}

QStringList ResultListModel::texts() const {
    return QStringList(m_texts.cbegin(), m_texts.cend());
}

int ResultListModel::findFrom(int start, QStringView key) const {
    const int n = count();
    if (n == 0 || key.isEmpty())
        return -1;
    const std::optional<QByteArray> wanted = row_order::searchKey(key);
    if (!wanted || wanted->contains('\0'))
        return -1;
    start = std::clamp(start, 0, n - 1);
    const std::boyer_moore_horspool_searcher searcher(wanted->cbegin(), wanted->cend());
    const char* const begin = m_keys.constBegin();
    const auto rowAt = [&](const char* hit) {
        const auto it = std::upper_bound(m_starts.cbegin(), m_starts.cend(), hit - begin);
        return int(it - m_starts.cbegin()) - 1;
    };
    // From the start row to the last, then from the first up to the start row.
    const char* const from = begin + m_starts[std::size_t(start)];
    const char* const end = m_keys.constEnd();
    if (const char* hit = std::search(from, end, searcher); hit != end)
        return rowAt(hit);
    if (const char* hit = std::search(begin, from, searcher); hit != from)
        return rowAt(hit);
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
            [this](const QModelIndex& index) { emit rowChosen(index.row()); });
}

void ResultList::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectedRow() >= 0) {
        emit rowChosen(selectedRow()); // the keyboard's double-click
        return;
    }
    QListView::keyPressEvent(event);
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
