#pragma once

#include "records/parallel_work.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>
#include <QStringList>

#include <vector>

class RecordFile;
class RecordLayout;

// The grid of an export screen: one row per record of a record file, column 0 its position,
// the other columns record fields. It keeps only the shown fields' stored bytes, packed, and
// decodes the cells asked for, so a year of 100,000 entries opens at once. Typed text is kept
// beside the records and wins over the stored field; the file itself is never written.
class ExportGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString header;
        int field = -1; // -1: the record's 1-based position
        bool editable = false;
    };

    static constexpr int kDesignRows = 10;

    ExportGridModel(const RecordLayout& layout, std::vector<Column> columns,
                    QObject* parent = nullptr);

    // Reads every record in file order. A failure part-way keeps the records read so far;
    // an empty file leaves the ten empty design rows.
    void load(RecordFile& file, int workers = parallel_work::defaultWorkers());
    int recordCount() const { return m_count; }

    // What the grid holds in a cell: the typed text, or else the trimmed stored field.
    QString cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static quint64 key(int row, int column) {
        return (static_cast<quint64>(static_cast<quint32>(row)) << 32) |
               static_cast<quint32>(column);
    }

    const RecordLayout& m_layout;
    std::vector<Column> m_columns;
    std::vector<int> m_packedOrdinal; // per column: its place among the packed fields, or -1
    // Per record, each shown field as its length byte and text bytes, back to back.
    QByteArray m_packed;
    std::vector<qsizetype> m_rowStart;
    int m_count = 0;
    QHash<quint64, QString> m_typed;
};
