#include "import/import_dialog.h"
#include "ui/fonts.h"

#include "app/app_context.h"
#include "import/import_preview_model.h"
#include "records/record_file.h"
#include "records/text_rules.h"
#include "ui/shared_messages.h"
#include "ui/screen_parts.h"
#include "vehicles/vehicle_file.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>

#include <algorithm>

namespace {

const QString kPickTitle = QStringLiteral("Importa da file");
const QString kPickFilter =
    QStringLiteral("File CSV (*.csv *.txt);;Tutti i file (*)");
const QString kCannotRead = QStringLiteral("Attenzione: il file non si può importare.\n\r\n\r");
const QString kNotImported = QStringLiteral("(non importare)");

constexpr QSize kWindow(980, 620);

void openFor(AppContext& ctx, QWidget* opener, ImportDialog::Destination destination) {
    const QString path = ctx.dialogs->openFile(opener, kPickTitle, kPickFilter);
    if (path.isEmpty())
        return;
    QString why;
    std::optional<csv::Table> table = csv::readFile(path, &why);
    if (!table) {
        ctx.dialogs->notice(opener, NoticeKind::Warning, kCannotRead + why);
        return;
    }
    (new ImportDialog(ctx, opener, path, std::move(*table), std::move(destination)))->present();
}

} // namespace

ImportDialog::ImportDialog(AppContext& ctx, QWidget* opener, const QString& sourceFile,
                           csv::Table table, Destination destination)
    : DialogScreen(ctx, opener, QStringLiteral("frmImporta"),
                   destination.vehicles ? QStringLiteral(" Importazione schede veicolo da file")
                                        : QStringLiteral(" Importazione costi sostenuti da file"),
                   Window::FixedCentred, kWindow),
      m_destination(std::move(destination)) {
    m_model = new ImportPreviewModel(*m_destination.target, std::move(table), this);
    const csv::Table& rows = m_model->table();
    setGradient(QColor(0x68, 0x99, 0xC2));
    const QFont plain = fonts::verdana(9);
    const QFont bold = fonts::verdana(10, QFont::Bold);
    const QColor ink(0x00, 0x00, 0x8B);

    screen_parts::label(this, QStringLiteral("lblFile"), QRect(12, 8, 956, 22),
                        QStringLiteral("File: ") + QDir::toNativeSeparators(sourceFile),
                        {bold, ink});
    QLabel* help = screen_parts::label(
        this, QStringLiteral("lblIstruzioni"), QRect(12, 32, 956, 36),
        QStringLiteral(
            "Per ogni colonna del file scegliere il campo da riempire. Le righe con problemi "
            "sono in rosso: correggere il file o la scelta delle colonne. Si importa "
            "soltanto quando nessuna riga ha problemi, e allora tutte insieme. (* campo "
            "obbligatorio)"),
        {plain, ink});
    help->setWordWrap(true);

    auto* columns = new QScrollArea(this);
    columns->setObjectName(QStringLiteral("pnlColonne"));
    columns->setGeometry(12, 76, 300, 450);
    columns->setWidgetResizable(true);
    auto* list = new QWidget(columns);
    auto* layout = new QGridLayout(list);
    layout->setAlignment(Qt::AlignTop);
    QStringList choices{kNotImported};
    for (const import_rules::Field& f : m_destination.target->fields)
        choices.append(f.required ? f.name + QStringLiteral(" *") : f.name);
    const QList<int> mapping = import_rules::mapByHeader(*m_destination.target, rows.header);
    for (qsizetype i = 0; i < rows.header.size(); ++i) {
        auto* name = new QLabel(rows.header[i].simplified(), list);
        name->setFont(plain);
        name->setWordWrap(true);
        auto* combo = new QComboBox(list);
        combo->setObjectName(QStringLiteral("cboColonna%1").arg(i + 1));
        combo->addItems(choices);
        combo->setCurrentIndex(mapping[i] + 1); // kNotImported is -1
        combo->setFont(plain);
        layout->addWidget(name, static_cast<int>(i), 0);
        layout->addWidget(combo, static_cast<int>(i), 1);
        m_columnFields.append(combo);
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { recheck(); });
    }
    layout->setColumnStretch(0, 1);
    columns->setWidget(list);

    auto* grid = new QTableView(this);
    grid->setObjectName(QStringLiteral("grdAnteprima"));
    grid->setGeometry(322, 76, 646, 398);
    grid->setModel(m_model);
    grid->setFont(QFont(QStringLiteral("Tahoma"), 9));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(21);
    grid->horizontalHeader()->setDefaultSectionSize(140);
    grid->setColumnWidth(ImportPreviewModel::kRowColumn, 44);
    grid->setColumnWidth(ImportPreviewModel::kProblemsColumn, 400);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // A row may have more problems than its cell shows: the chosen row's stand in full below.
    m_rowProblems = screen_parts::label(
        this, QStringLiteral("lblProblemiRiga"), QRect(322, 478, 646, 48), QString(),
        {plain, QColor(0xB0, 0x00, 0x00), Qt::AlignLeft | Qt::AlignTop});
    m_rowProblems->setWordWrap(true);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { showRowProblems(current.row()); });

    m_summary = screen_parts::label(this, QStringLiteral("lblRiepilogo"), QRect(12, 532, 956, 44),
                                    QString(), {bold, ink});
    m_summary->setWordWrap(true);
    m_import = screen_parts::dialogButton(this, QStringLiteral("cmdImporta"),
                                          QRect(748, 580, 104, 30), QStringLiteral("Importa"));
    auto* cancel = screen_parts::dialogButton(this, QStringLiteral("cmdAnnulla"),
                                              QRect(864, 580, 104, 30), QStringLiteral("Annulla"));
    connect(m_import, &QPushButton::clicked, this, [this] { importRows(); });
    connect(cancel, &QPushButton::clicked, this, [this] { close(); });
    recheck();
}

void ImportDialog::showRowProblems(int row) {
    const QStringList problems = m_check.rowProblems.value(row);
    m_rowProblems->setText(problems.isEmpty()
                               ? QString()
                               : QStringLiteral("Riga %1: ").arg(m_model->table().rows[row].sheetRow) +
                                     problems.join(QStringLiteral("; ")));
}

void ImportDialog::recheck() {
    QList<int> mapping;
    for (QComboBox* combo : m_columnFields)
        mapping.append(combo->currentIndex() - 1);
    m_check = import_rules::check(*m_destination.target, m_model->table(), mapping, m_destination.year);
    m_model->setCheck(mapping, m_check);
    const auto rows = static_cast<int>(m_model->table().rows.size());
    QStringList lines = m_check.general;
    if (m_check.rowsWithProblems > 0)
        lines.append(QStringLiteral("Righe con problemi: %1 su %2. Nessuna riga sarà importata finché "
                                    "ci sono problemi.")
                         .arg(m_check.rowsWithProblems)
                         .arg(rows));
    else if (m_check.general.isEmpty())
        lines.append(rows == 1 ? QStringLiteral("1 riga pronta per l'importazione.")
                               : QStringLiteral("%1 righe pronte per l'importazione.").arg(rows));
    m_summary->setText(lines.join(u'\n'));
    m_summary->setStyleSheet(m_check.canImport() ? QStringLiteral("color: #00008B;")
                                                 : QStringLiteral("color: #B00000;"));
    m_import->setEnabled(m_check.canImport());
    // The first row with a problem is the one to look at first.
    const auto first = std::find_if(m_check.rowProblems.cbegin(), m_check.rowProblems.cend(),
                                    [](const QStringList& p) { return !p.isEmpty(); });
    showRowProblems(first == m_check.rowProblems.cend() ? -1
                                                        : static_cast<int>(first - m_check.rowProblems.cbegin()));
}

QString ImportDialog::addedMessage(int count) const {
    if (m_destination.vehicles)
        return count == 1 ? QStringLiteral("Importazione completata: 1 scheda aggiunta all'archivio dei veicoli.")
                          : QStringLiteral("Importazione completata: %1 schede aggiunte all'archivio dei "
                                           "veicoli.")
                                .arg(count);
    return count == 1 ? QStringLiteral("Importazione completata: 1 costo aggiunto all'archivio del %1.")
                            .arg(m_destination.year)
                      : QStringLiteral("Importazione completata: %1 costi aggiunti all'archivio del %2.")
                            .arg(count)
                            .arg(m_destination.year);
}

void ImportDialog::importRows() {
    recheck();
    if (!m_check.canImport())
        return;
    QList<int> mapping;
    for (QComboBox* combo : m_columnFields)
        mapping.append(combo->currentIndex() - 1);
    const import_rules::Target& target = *m_destination.target;
    const csv::Table& table = m_model->table();
    const auto count = static_cast<int>(table.rows.size());
    try {
        RecordFile file(m_destination.recordFile, target.layout->recordSize());
        file.appendAll(count, [&](int i) {
            return import_rules::makeRecord(target, mapping, table.rows[i].fields, m_destination.year)
                .record;
        });
        file.close();
    } catch (const RecordFileError&) {
        m_ctx.dialogs->notice(this, NoticeKind::Error,
                              shared_messages::accessFailure() + QStringLiteral("\n\r\n\rNessuna riga è stata importata."));
        return;
    }
    m_ctx.dialogs->notice(this, NoticeKind::Information, addedMessage(count));
    close();
}

namespace csv_import {

void openForVehicles(AppContext& ctx, QWidget* opener) {
    openFor(ctx, opener, {&import_rules::vehicles(), VehicleFile::pathIn(ctx.programDir), QString(), true});
}

void openForCosts(AppContext& ctx, QWidget* opener, const QString& yearFile) {
    const QString file = text::trimmed(yearFile);
    openFor(ctx, opener, {&import_rules::costs(), file, QFileInfo(file).completeBaseName(), false});
}

} // namespace csv_import
