#pragma once

#include <QString>

// The four browse commands of the record screens (vehicle cards, cost entries) and which
// record each brings onto the screen, from the position shown and the number of records.
enum class Browse { First, Previous, Next, Last };

struct BrowseStep {
    qint64 position = 0;        // the record to show; 0 shows none
    bool reportEmpty = false;   // "the file holds no record"
    bool clearPosition = false; // the position label is emptied
};

// `shown` is the position label's text: empty for a record not yet saved.
BrowseStep browseStep(Browse command, const QString& shown, qint64 count);
