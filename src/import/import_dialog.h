#pragma once

#include "ui/dialog_screen.h"
#include "import/csv_table.h"
#include "import/import_rules.h"

#include <QList>
#include <QString>

class ImportPreviewModel;
class QComboBox;
class QLabel;
class QPushButton;

// frmImporta: the rows of a spreadsheet file before they become vehicle cards or cost
// entries. Each file column is matched to a field (by its header, changeable), every row's
// problems are shown, and "Importa" appends all rows in one go, only when none has a problem.
class ImportDialog : public DialogScreen {
    Q_OBJECT
public:
    struct Destination {
        const import_rules::Target* target;
        QString recordFile; // full path of the file the records are appended to
        QString year;       // cost entries: the year of that file
        bool vehicles;
    };

    ImportDialog(AppContext& ctx, QWidget* opener, const QString& sourceFile, csv::Table table,
                 Destination destination);

    const import_rules::Check& currentCheck() const { return m_check; }

private:
    void recheck();
    void showRowProblems(int row);
    void importRows();
    QString addedMessage(int count) const;

    Destination m_destination;
    QList<QComboBox*> m_columnFields;
    import_rules::Check m_check;
    ImportPreviewModel* m_model = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_rowProblems = nullptr;
    QPushButton* m_import = nullptr;
};

// "Importa da file...": asks for a CSV file and opens its preview over `opener`.
namespace csv_import {

void openForVehicles(AppContext& ctx, QWidget* opener);
// `yearFile` is the year file open on the cost screen; its name gives the year.
void openForCosts(AppContext& ctx, QWidget* opener, const QString& yearFile);

} // namespace csv_import
