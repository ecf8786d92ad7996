#include "vehicle_output/export_screen.h"

#include "app/app_context.h"
#include "records/record_file.h"
#include "records/record_layout.h"
#include "spreadsheets/xlsx_file.h"
#include "ui/artwork.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "ui/status_hints.h"
#include "ui/tool_frame.h"
#include "vehicle_output/export_grid_model.h"
#include "vehicle_output/spreadsheet_file.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {

const QString kAskExport = QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi "
                                          "minuti a seconda del numero di schede presenti in "
                                          "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral("Le schede in archivio sono state esportate con "
                                        "successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kCannotExport =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che "
                   "il file di Excel non sia già "
                   "aperto.");

// Holds the busy cursor for the length of one long action.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

std::vector<ExportGridModel::Column> ExportSetup::gridColumns() const {
    std::vector<ExportGridModel::Column> grid;
    for (const Column& c : columns)
        grid.push_back({QString::fromUtf8(c.header), c.field, c.editable});
    return grid;
}

spreadsheet::Sheet ExportSetup::sheet(Widths widths) const {
    spreadsheet::Sheet s;
    s.name = sheetName;
    // The position column is only on screen; the file starts at the first field.
    for (std::size_t i = 1; i < columns.size(); ++i)
        s.columns.append({QString::fromUtf8(columns[i].caption),
                          widths == Widths::File ? columns[i].fileWidth : columns[i].gridWidth,
                          columns[i].kind});
    return s;
}

QString ExportSetup::xlsxFileName() const {
    return QFileInfo(fileName).completeBaseName() + QStringLiteral(".xlsx");
}

// The export writes what the grid holds, so a cell still being typed in must reach the
// model first: the picture buttons take no focus and would not end the editing themselves.
class ExportGrid : public QTableView {
public:
    using QTableView::QTableView;
    void finishEditing() {
        if (state() != QAbstractItemView::EditingState)
            return;
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

ExportScreen::ExportScreen(AppContext& ctx, QWidget* opener, const ExportSetup& setup,
                           const QString& sourcePath)
    : DialogScreen(ctx, opener, setup.screenName, setup.caption, Window::FixedCentred,
                   screen_sizes::kListWindow),
      m_setup(setup), m_sourcePath(sourcePath) {
    const ToolFrame frame =
        buildToolFrame(this, QStringLiteral("Esportazione archivio in Microsoft Excel."), 846);
    m_info = frame.info;

    StatusHints* hints = frame.hints;
    hints->addBackground(frame.strip);
    hints->addBackground(m_info);

    auto* exportButton = screen_parts::pictureButton(
        this, QStringLiteral("cmdEsporta"), QRect(20, 20, 170, 36),
        art::buttonPicture(QSize(170, 36), QStringLiteral("Esporta archivio")),
        QStringLiteral("Esporta archivio"));
    auto* xlsxButton = screen_parts::pictureButton(
        this, QStringLiteral("cmdEsportaXlsx"), QRect(200, 20, 170, 36),
        art::buttonPicture(QSize(170, 36), QStringLiteral("Esporta in .xlsx")),
        QStringLiteral("Esporta in .xlsx"));
    hints->add(exportButton, QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    hints->add(
        xlsxButton,
        QStringLiteral("Esporta l'archivio in una cartella di lavoro .xlsx di Microsoft Excel."));

    QWidget* container = frame.work;

    m_model = new ExportGridModel(*setup.layout, setup.gridColumns(), this);

    m_grid = new ExportGrid(container);
    m_grid->setObjectName(QStringLiteral("grdRecords"));
    m_grid->setGeometry(6, 6, 830, 428);
    m_grid->setModel(m_model);
    m_grid->setAlternatingRowColors(true);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setFont(QFont(QStringLiteral("Tahoma"), 9));
    m_grid->verticalHeader()->hide(); // the position column numbers the rows
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setMinimumSectionSize(1);
    m_grid->verticalHeader()->setDefaultSectionSize(21);
    m_grid->horizontalHeader()->setHighlightSections(false);
    for (int i = 0; i < static_cast<int>(setup.columns.size()); ++i)
        m_grid->setColumnWidth(i, setup.columns[static_cast<std::size_t>(i)].gridWidth);
    hints->addBackground(m_grid);
    hints->addBackground(m_grid->viewport());

    connect(exportButton, &QPushButton::clicked, this, [this] { exportFile(Format::Xls); });
    connect(xlsxButton, &QPushButton::clicked, this, [this] { exportFile(Format::Xlsx); });
    connect(frame.help, &QPushButton::clicked, this,
            [this] { help::openTopic(m_ctx, this, m_setup.helpTopic); });
}

ExportScreen* ExportScreen::open(AppContext& ctx, QWidget* opener, const ExportSetup& setup,
                                 const QString& sourcePath) {
    auto* screen = new ExportScreen(ctx, opener, setup, sourcePath);
    screen->fillGrid();
    screen->present();
    return screen;
}

void ExportScreen::fillGrid() {
    try {
        RecordFile file(m_sourcePath, m_setup.layout->recordSize());
        m_model->load(file);
        file.close();
    } catch (const RecordFileError&) {
        // Only a preview: an unreadable source leaves the rows read so far, or the empty ones.
    }
}

void ExportScreen::exportFile(Format format) {
    m_grid->finishEditing();
    if (!m_ctx.dialogs->question(this, kAskExport))
        return;

    const bool xls = format == Format::Xls;
    const spreadsheet::Sheet sheet = m_setup.sheet(xls ? ExportSetup::Widths::File : ExportSetup::Widths::Grid);
    const QString path = m_ctx.path(xls ? m_setup.fileName : m_setup.xlsxFileName());
    const auto cell = [this](int row, int column) { return m_model->cell(row, column + 1); };
    bool written = false;
    {
        BusyCursor busy;
        written = xls ? spreadsheet::save(path, sheet, m_model->rowCount(), cell)
                      : xlsx::save(path, sheet, m_model->rowCount(), cell);
    }
    if (!written) {
        m_ctx.dialogs->message(this, kCannotExport);
        return;
    }
    if (m_ctx.dialogs->question(this, kAskOpen))
        m_ctx.shell->open(u'"' + QDir::toNativeSeparators(path) + u'"');
}
