#include "vehicle_output/export_grid_model.h"

#include "records/parallel_scan.h"
#include "records/record_layout.h"
#include "records/short_text.h"

#include <algorithm>

ExportGridModel::ExportGridModel(const RecordLayout& layout, std::vector<Column> columns,
                                 QObject* parent)
    : QAbstractTableModel(parent), m_layout(layout), m_columns(std::move(columns)) {
    int packed = 0;
    for (const Column& c : m_columns)
        m_packedOrdinal.push_back(c.field >= 0 ? packed++ : -1);
}

void ExportGridModel::load(RecordFile& file, int workers) {
    beginResetModel();
    m_packed.clear();
    m_rowStart.clear();
    m_count = 0;
    m_typed.clear();
    std::vector<const RecordLayout::Field*> fields;
    for (const Column& c : m_columns)
        if (c.field >= 0)
            fields.push_back(&m_layout.field(c.field));
    try {
        m_rowStart.reserve(static_cast<std::size_t>(file.count()));
        // Blocks are packed on every core and joined in file order.
        struct Part {
            QByteArray packed;
            std::vector<qsizetype> rowStart; // within `packed`
        };
        const auto visit = [&fields](Part& part, int, QByteArrayView record) {
            part.rowStart.push_back(part.packed.size());
            for (const RecordLayout::Field* f : fields) {
                const int length =
                    std::min<int>(static_cast<unsigned char>(record[f->offset]), f->capacity);
                part.packed.append(static_cast<char>(length));
                part.packed.append(record.data() + f->offset + 1, length);
            }
        };
        parallel_scan::scanInOrder<Part>(file, visit, [this](Part& part) {
            const qsizetype base = m_packed.size();
            for (const qsizetype start : part.rowStart)
                m_rowStart.push_back(base + start);
            m_packed.append(part.packed);
            m_count += static_cast<int>(part.rowStart.size());
        }, workers);
    } catch (const RecordFileError&) {
        // The grid is only a preview: it shows what could be read.
    }
    endResetModel();
}

QString ExportGridModel::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    if (const auto it = m_typed.constFind(key(row, column)); it != m_typed.constEnd())
        return *it;
    if (row >= m_count)
        return {};
    const int ordinal = m_packedOrdinal[static_cast<std::size_t>(column)];
    if (ordinal < 0)
        return QString::number(row + 1);
    qsizetype at = m_rowStart[static_cast<std::size_t>(row)];
    for (int i = 0; i < ordinal; ++i)
        at += 1 + static_cast<unsigned char>(m_packed.at(at));
    const int length = static_cast<unsigned char>(m_packed.at(at));
    return short_text::read(QByteArrayView(m_packed).sliced(at, 1 + length), length);
}

int ExportGridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return m_count > 0 ? m_count : kDesignRows;
}

int ExportGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ExportGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.row(), index.column());
}

bool ExportGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    m_typed.insert(key(index.row(), index.column()), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags ExportGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_columns[static_cast<std::size_t>(index.column())].editable)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ExportGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_columns[static_cast<std::size_t>(section)].header;
}
