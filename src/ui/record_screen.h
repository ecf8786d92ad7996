#pragma once

#include "ui/area_screen.h"
#include "ui/record_tool_bar.h"
#include "records/browse_step.h"
#include "records/loaded_record.h"

#include <QByteArray>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class RecordFile;
class StatusHints;

// A screen that shows one record of a record file at a time: a tool bar with the record number,
// a status line with hints, browsing, and the save over the record shown or at the end.
// The screen itself brings its fields, its checks and its file.
class RecordScreen : public AreaScreen {
    Q_OBJECT
protected:
    // `appendedMessage`: told after a record was added at the end of the file.
    RecordScreen(AppContext& ctx, const QString& name, const QString& caption, const RecordLayout& layout,
                 const QString& appendedMessage);

    // The status line panInfo along the foot of `panel`, showing `ready`, on `fill`.
    void buildStatusLine(QWidget* panel, const QColor& fill, const QString& ready);
    // The tool bar with its browse group and cmdEsci already at work; the rest for connectTool.
    void buildToolBar(QWidget* panel, const RecordToolBarPlace& place, const RecordTools& tools);
    void connectTool(const char* name, const std::function<void()>& action);

    // The file the screen works on, opened (or created) for one event. Throws RecordFileError.
    virtual std::unique_ptr<RecordFile> openRecordFile() const = 0;
    // Puts the record read at `position` on the screen; its file is closed by then.
    virtual void showStoredRecord(const QByteArray& record, qint64 position) = 0;

    void browse(Browse command);

    enum class Stored { Nothing, Updated, Appended };
    // Writes `record` over the position shown or, when none is shown, appends it and shows its
    // position. Nothing when the user kept another copy's record or the file failed (told).
    Stored storeRecordOnScreen(const QByteArray& record);
    // The message for a record stored; nothing for Stored::Nothing.
    void tellStored(Stored stored);

    // Runs an event that touches the record file; a failure of the file is told as such.
    void guarded(const std::function<void()>& event);

    StatusHints* m_hints = nullptr;
    QLabel* m_info = nullptr;
    QLabel* m_position = nullptr;
    LoadedRecord m_loaded;

private:
    QString m_appendedMessage;
};
