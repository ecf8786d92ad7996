#pragma once

#include "ui/dialog_screen.h"

class QCalendarWidget;
class QLabel;

// frmCalendario: picks a date for one of the five date fields of the vehicle card. The field
// is known by the caller mark in lblMemory; "Importa" writes the date straight into it.
class DateCalendarDialog : public DialogScreen {
    Q_OBJECT
public:
    // `card` is the vehicle card screen, owner of the dialog and of the target field.
    DateCalendarDialog(AppContext& ctx, QWidget* card);

    // The caller mark of a date field ("autoparco_scadbollo" for txtScadBollo); empty for
    // any other field.
    static QString markFor(const QString& fieldName);

    void setMark(const QString& mark);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void import();

    QWidget* m_card;
    QCalendarWidget* m_calendar = nullptr;
    QLabel* m_mark = nullptr;
};
