#include "import/import_preview_model.h"

#include <QColor>

#include <algorithm>

ImportPreviewModel::ImportPreviewModel(const import_rules::Target& target, csv::Table table,
                                       QObject* parent)
    : QAbstractTableModel(parent), m_target(target), m_table(std::move(table)) {
    m_columns = static_cast<int>(m_table.header.size());
    for (const csv::Row& row : m_table.rows)
        m_columns = std::max(m_columns, static_cast<int>(row.fields.size()));
}

void ImportPreviewModel::setCheck(const QList<int>& mapping, const import_rules::Check& check) {
    beginResetModel();
    m_mapping = mapping;
    m_check = check;
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kFirstFileColumn + m_columns;
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const csv::Row& row = m_table.rows[index.row()];
    const QStringList problems = m_check.rowProblems.value(index.row());
    if (role == Qt::BackgroundRole)
        return problems.isEmpty() ? QVariant() : QVariant(QColor(0xFF, 0xE4, 0xE1));
    if (role == Qt::ToolTipRole && index.column() == kProblemsColumn && !problems.isEmpty())
        return problems.join(u'\n');
    if (role != Qt::DisplayRole)
        return {};
    if (index.column() == kRowColumn)
        return row.sheetRow;
    if (index.column() == kProblemsColumn)
        return problems.join(QStringLiteral("; "));
    // Line breaks inside a cell would make the row tall; the grid shows one line.
    return row.fields.value(index.column() - kFirstFileColumn).simplified();
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == kRowColumn)
        return QStringLiteral("Riga");
    if (section == kProblemsColumn)
        return QStringLiteral("Problemi");
    const int column = section - kFirstFileColumn;
    const int field = m_mapping.value(column, import_rules::kNotImported);
    const QString to = field == import_rules::kNotImported
                           ? QStringLiteral("(non importata)")
                           : m_target.fields[static_cast<std::size_t>(field)].name;
    return m_table.header.value(column) + QStringLiteral("\n→ ") + to;
}
