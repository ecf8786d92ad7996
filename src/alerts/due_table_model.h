#pragma once

#include "alerts/due_items.h"

#include <QAbstractTableModel>

// The reminder's rows: plate, make and model, which deadline, its date and how far it is.
class DueTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Plate, Vehicle, Kind, Date, When, ColumnCount };

    DueTableModel(alerts::DueList due, const QDate& today, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The row as one line of text, the columns separated by " | ".
    QString rowText(int row) const;

private:
    QString text(int row, int column) const;

    alerts::DueList m_due;
    QDate m_today;
};
