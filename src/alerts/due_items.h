#pragma once

#include "deadlines/deadline_rule.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

class RecordFile;

// The deadlines of every kind that fall due, gathered in one reading of the vehicle file for
// the reminder shown on entering.
namespace alerts {

struct DueItem {
    qint64 position; // of the card
    deadlines::Kind kind;
    QDate date;
    qsizetype card; // where the card's leading bytes start in DueList::cards
};

// A large register can have thousands of due deadlines: the rows keep the raw bytes of their
// cards' leading fields and decode a text only when it is shown.
struct DueList {
    std::vector<DueItem> items;
    QByteArray cards;

    QString plate(const DueItem& item) const;
    QString makeAndModel(const DueItem& item) const;
};

// Every due deadline of the four kinds, soonest first; cards of one date keep file order and
// one card's deadlines the order of the deadline menu. Throws RecordFileError.
DueList collectDue(RecordFile& file, const QDate& today);

// "scaduta da 3 giorni", "scaduta da 1 giorno", "oggi", "tra 1 giorno", "tra 5 giorni".
QString whenDue(const QDate& date, const QDate& today);

} // namespace alerts
