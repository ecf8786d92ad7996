#pragma once

#include "ui/record_screen.h"
#include "costs/cost_record.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class CostListScreen;
struct TSchedaVeicolo;

// frmCosti: one cost entry of the open year at a time, browsed and saved in the year file
// named by lblFile. Other screens open a year through openYear() and hand it entries and
// vehicles through loadEntry() and takeVehicle().
class CostScreen : public RecordScreen {
    Q_OBJECT
public:
    explicit CostScreen(AppContext& ctx);

    // The clear step: a new, empty entry; lblAnno, lblData and lblFile stay.
    void clearEntry();
    // Every field from the record, lblAnno, lblData, the paid box (only for "Sì" or "No") and
    // the record number. Never asks about changes on screen.
    void loadEntry(const TSchedaCosto& entry, qint64 position);
    // The record the save would write now (texts trimmed; the year, date and paid flag included).
    TSchedaCosto entryOnScreen() const;
    // Makes `year` (four digits) the open year: its file, lblAnno and the window title.
    void openYear(const QString& year);
    // Full path of the open year file.
    QString yearFile() const;
    // The vehicle texts of a card (type, make, model, colour, fuel, plate) into their fields.
    void takeVehicle(const TSchedaVeicolo& card);

    // The input field that shows a record field (nullptr for Anno and Data, which are labels,
    // and for Saldato, the paid box).
    QWidget* fieldFor(TSchedaCosto::Field f) const;

protected:
    void onShow() override;
    std::unique_ptr<RecordFile> openRecordFile() const override;
    void showStoredRecord(const QByteArray& record, qint64 position) override;

private:
    void buildToolbar(QWidget* panel);
    void buildSections(QWidget* panel);
    QWidget* section(QWidget* panel, const QString& name, const QRect& r, QColor colour = Qt::white);

    void save();
    void importVehicle();
    // Shows a list of entries of the open year; a chosen entry comes up here.
    void openList(CostListScreen* list);

    bool checkBeforeSave();

    QString fieldText(TSchedaCosto::Field f) const;
    void setFieldText(TSchedaCosto::Field f, const QString& text);

    QLabel* m_year = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_file = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_day = nullptr;
    QComboBox* m_month = nullptr;
    QComboBox* m_reason = nullptr;
    QLineEdit* m_amount = nullptr;
    QCheckBox* m_paid = nullptr;
    QList<QWidget*> m_fields; // indexed by TSchedaCosto::Field; nullptr where no input field
};
