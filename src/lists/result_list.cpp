#include "lists/result_list.h"

#include "lists/row_order.h"
#include "records/parallel_work.h"

#include <QFont>
#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>

namespace {

// A row as the sort sees it: its key at hand, without looking anything up.
struct SortEntry {
    std::string_view key;
    std::size_t row;
    // char_traits<char> compares as unsigned char; equal keys keep the rows' order, so any sort
    // on this order is a stable sort on the keys.
    bool operator<(const SortEntry& other) const {
        const int c = key.compare(other.key);
        return c < 0 || (c == 0 && row < other.row);
    }
};

// Work is shared out in slices of rows, and the sort in buckets of key ranges, so that every
// core sorts a part of its own from start to finish and nothing is merged afterwards.
constexpr std::size_t kSliceRows = 2048;
constexpr std::size_t kBuckets = 32;
constexpr std::size_t kSamplesPerBucket = 16;

std::size_t slicesOf(std::size_t n) {
    return (n + kSliceRows - 1) / kSliceRows;
}

// The order of `entries` as the sort gives it (sample sort: bucket bounds picked from a sample).
std::vector<std::size_t> sortedOrder(const std::vector<SortEntry>& entries) {
    const std::size_t n = entries.size();
    std::vector<SortEntry> sample;
    const std::size_t samples = std::min(n, kBuckets * kSamplesPerBucket);
    for (std::size_t i = 0; i < samples; ++i)
        sample.push_back(entries[i * n / samples]);
    std::sort(sample.begin(), sample.end());
    std::vector<SortEntry> bounds; // bucket b holds the entries below bounds[b], from bounds[b-1] on
    for (std::size_t b = 1; b < kBuckets && b * kSamplesPerBucket < sample.size(); ++b)
        bounds.push_back(sample[b * kSamplesPerBucket]);
    const std::size_t buckets = bounds.size() + 1;

    const std::size_t slices = slicesOf(n);
    std::vector<std::uint8_t> bucketOf(n);
    std::vector<std::size_t> counts(slices * buckets, 0); // per slice, per bucket
    parallel_work::forEach(slices, [&](std::size_t s) {
        for (std::size_t i = s * kSliceRows; i < std::min(n, (s + 1) * kSliceRows); ++i) {
            const auto b = std::size_t(std::upper_bound(bounds.begin(), bounds.end(), entries[i]) - bounds.begin());
            bucketOf[i] = std::uint8_t(b);
            ++counts[s * buckets + b];
        }
    });
    // Where each slice's share of each bucket goes.
    std::vector<std::size_t> bucketStart(buckets + 1, 0);
    std::vector<std::size_t> place(slices * buckets);
    std::size_t at = 0;
    for (std::size_t b = 0; b < buckets; ++b) {
        bucketStart[b] = at;
        for (std::size_t s = 0; s < slices; ++s) {
            place[s * buckets + b] = at;
            at += counts[s * buckets + b];
        }
    }
    bucketStart[buckets] = at;
    std::vector<SortEntry> grouped(n);
    parallel_work::forEach(slices, [&](std::size_t s) {
        for (std::size_t i = s * kSliceRows; i < std::min(n, (s + 1) * kSliceRows); ++i)
            grouped[place[s * buckets + bucketOf[i]]++] = entries[i];
    });
    std::vector<std::size_t> order(n);
    parallel_work::forEach(buckets, [&](std::size_t b) {
        const auto first = grouped.begin() + qsizetype(bucketStart[b]);
        const auto last = grouped.begin() + qsizetype(bucketStart[b + 1]);
        std::sort(first, last);
        for (auto it = first; it != last; ++it)
            order[std::size_t(it - grouped.begin())] = it->row;
    });
    return order;
}

} // namespace

void ResultListModel::setRows(std::vector<QString> rows) {
    // Keys are prepared once, in one buffer, and the rows sorted on them, on every core.
    const std::size_t n = rows.size();
    std::vector<qsizetype> rawStarts(n + 1);
    qsizetype total = 0;
    qsizetype longest = 0;
    for (std::size_t i = 0; i < n; ++i) {
        rawStarts[i] = total;
        total += rows[i].size() + 1;
        longest = std::max(longest, rows[i].size());
    }
    rawStarts[n] = total;
    QByteArray raw(total, Qt::Uninitialized);
    std::vector<SortEntry> entries(n);
    parallel_work::forEach(slicesOf(n), [&](std::size_t s) {
        for (std::size_t i = s * kSliceRows; i < std::min(n, (s + 1) * kSliceRows); ++i) {
            char* key = raw.data() + rawStarts[i];
            row_order::writeKey(key, rows[i]);
            key[rows[i].size()] = '\0';
            entries[i] = {std::string_view(key, std::size_t(rows[i].size())), i};
        }
    });
    const std::vector<std::size_t> order = sortedOrder(entries);

    std::vector<QString> texts(n);
    std::vector<qsizetype> starts(n + 1);
    qsizetype at = 0;
    for (std::size_t i = 0; i < n; ++i) {
        starts[i] = at;
        at += rawStarts[order[i] + 1] - rawStarts[order[i]];
    }
    starts[n] = at;
    QByteArray keys(total, Qt::Uninitialized);
    parallel_work::forEach(slicesOf(n), [&](std::size_t s) {
        for (std::size_t i = s * kSliceRows; i < std::min(n, (s + 1) * kSliceRows); ++i) {
            const std::size_t from = order[i];
            std::memcpy(keys.data() + starts[i], raw.constData() + rawStarts[from],
                        std::size_t(rawStarts[from + 1] - rawStarts[from]));
            texts[i] = std::move(rows[from]);
        }
    });

    beginResetModel();
    m_texts = std::move(texts);
    m_keys = std::move(keys);
    m_starts = std::move(starts);
    m_longest = longest;
    endResetModel();
}

void ResultListModel::clear() {
    beginResetModel();
    m_texts.clear();
    m_keys.clear();
    m_starts.clear();
    m_longest = 0;
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
    if (m_keep == kWholeRow)
        fitFont();
}

void ResultList::clearRows() {
    m_model->clear();
}

void ResultList::finishFill() {
    m_filled = true;
    measureItems();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ResultList::measureItems() {
    if (m_filled)
        m_model->setItemSize(QSize(kItemWidth, QFontMetrics(font()).height() + 2));
}

void ResultList::keepInView(int characters) {
    m_keep = characters;
    fitFont();
}

void ResultList::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    fitFont();
}

void ResultList::fitFont() {
    if (m_keep == 0)
        return;
    const qsizetype characters = m_keep == kWholeRow ? m_model->longest() : m_keep;
    // The width the rows have once the vertical scroll bar is shown, as after a fill.
    const int room = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width() - 2 * spacing() - 4;
    const QString sample(characters, u'0'); // one column width for every character
    const auto fits = [&](const QFont& f) { return QFontMetricsF(f).horizontalAdvance(sample) <= room; };
    QFont f = font();
    f.setStretch(QFont::Unstretched);
    // Tenths of a point from 12 down to 8, still read with ease; then narrower letters.
    int tenths = 120;
    for (f.setPointSizeF(12); tenths > 80 && !fits(f); f.setPointSizeF(tenths / 10.0))
        tenths -= 5;
    for (int stretch = 95; stretch >= 60 && !fits(f); stretch -= 5)
        f.setStretch(stretch);
    if (f == font())
        return;
    setFont(f);
    measureItems();
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
