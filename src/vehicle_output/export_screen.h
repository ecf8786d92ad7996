#pragma once

#include "ui/dialog_screen.h"
#include "help/help_topics.h"
#include "vehicle_output/export_grid_model.h"
#include "vehicle_output/spreadsheet_file.h"

#include <QString>

#include <functional>
#include <vector>

class ExportGrid;
class QLabel;
class RecordLayout;

// What tells one spreadsheet export from another; the screen and the file format are shared.
struct ExportSetup {
    struct Column {
        const char* name;   // the grid column's name, for reference only
        const char* header; // grid header
        int gridWidth;
        bool editable;
        int field;           // record field; -1 for the position column, which is not exported
        const char* caption; // header cell in the file
        int fileWidth;
        spreadsheet::CellKind kind = spreadsheet::CellKind::Text; // for the .xlsx
    };

    QString screenName;
    QString caption;
    QString sheetName;
    QString fileName; // in the program directory
    help::Topic helpTopic;
    const RecordLayout* layout;
    std::vector<Column> columns;

    std::vector<ExportGridModel::Column> gridColumns() const;
    // The sheet as the files take it: every column but the position. The .xls has widths of
    // its own; the .xlsx takes the grid's.
    enum class Widths { File, Grid };
    spreadsheet::Sheet sheet(Widths widths) const;
    QString xlsxFileName() const; // beside the .xls: the same name, ending in .xlsx
};

// The export screen: a grid with every record of the source file, and a command that writes
// what the grid holds to the spreadsheet file and offers to open it.
class ExportScreen : public DialogScreen {
    Q_OBJECT
public:
    // `sourcePath` is the record file the grid shows, read when the screen opens.
    ExportScreen(AppContext& ctx, QWidget* opener, const ExportSetup& setup, const QString& sourcePath);

    // Creates a fresh screen over `opener`, fills its grid and shows it.
    static ExportScreen* open(AppContext& ctx, QWidget* opener, const ExportSetup& setup, const QString& sourcePath);

    ExportGridModel* model() const { return m_model; }

private:
    void fillGrid();
    enum class Format { Xls, Xlsx };
    void exportFile(Format format);

    const ExportSetup& m_setup;
    QString m_sourcePath;
    QLabel* m_info = nullptr;
    ExportGrid* m_grid = nullptr;
    ExportGridModel* m_model = nullptr;
};
