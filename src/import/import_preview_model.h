#pragma once

#include "import/csv_table.h"
#include "import/import_rules.h"

#include <QAbstractTableModel>

// The preview grid: the row number a spreadsheet program shows, the row's problems, then the
// file's columns as read, each headed by the field it goes to.
class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kRowColumn = 0;
    static constexpr int kProblemsColumn = 1;
    static constexpr int kFirstFileColumn = 2;

    ImportPreviewModel(const import_rules::Target& target, csv::Table table, QObject* parent);

    const csv::Table& table() const { return m_table; }

    void setCheck(const QList<int>& mapping, const import_rules::Check& check);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const import_rules::Target& m_target;
    csv::Table m_table;
    QList<int> m_mapping;
    import_rules::Check m_check;
    int m_columns = 0;
};
