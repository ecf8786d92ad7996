#include "alerts/due_table_model.h"

#include "app/formats.h"

#include <QColor>
#include <QStringList>

DueTableModel::DueTableModel(alerts::DueList due, const QDate& today, QObject* parent)
    : QAbstractTableModel(parent), m_due(std::move(due)), m_today(today) {}

int DueTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_due.items.size());
}

int DueTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString DueTableModel::text(int row, int column) const {
    const alerts::DueItem& item = m_due.items[static_cast<std::size_t>(row)];
    switch (column) {
    case Plate:
        return m_due.plate(item);
    case Vehicle:
        return m_due.makeAndModel(item);
    case Kind:
        return QString::fromLatin1(deadlines::setup(item.kind).name);
    case Date:
        return formats::date(item.date);
    case When:
        return alerts::whenDue(item.date, m_today);
    }
    return {};
}

QVariant DueTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    // What has already passed stands out from what is still to come.
    if (role == Qt::ForegroundRole && m_due.items[static_cast<std::size_t>(index.row())].date < m_today)
        return QColor(0xB0, 0x10, 0x10);
    return {};
}

QVariant DueTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titles[] = {"Targa", "Marca e modello", "Scadenza", "Data", "Quando"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}

QString DueTableModel::rowText(int row) const {
    QStringList cells;
    for (int c = 0; c < ColumnCount; ++c)
        cells.append(text(row, c));
    return cells.join(QStringLiteral(" | "));
}
