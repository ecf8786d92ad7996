#pragma once

#include "ui/dialog_screen.h"

#include <functional>

class QCalendarWidget;
class QLabel;

// frmCalendario: picks a date for one of the five date fields of the vehicle card. lblMemory
// shows the caller mark of the field; "Importa" hands the date ("dd/mm/yyyy") to the opener.
class DateCalendarDialog : public DialogScreen {
    Q_OBJECT
public:
    using Import = std::function<void(const QString& date)>;

    // Without `import`, "Importa" does nothing and the dialog stays.
    DateCalendarDialog(AppContext& ctx, QWidget* opener, const QString& callerMark, Import import);

    // The caller mark of a date field ("autoparco_scadbollo" for txtScadBollo); empty for
    // any other field.
    static QString markFor(const QString& fieldName);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void import();

    Import m_import;
    QCalendarWidget* m_calendar = nullptr;
    QLabel* m_mark = nullptr;
};
