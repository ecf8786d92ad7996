#pragma once

#include "ui/artwork.h"

#include <QKeyCombination>
#include <QRect>
#include <QString>

#include <span>

class QLabel;
class QWidget;
class StatusHints;

// One command of a record screen's tool bar, in left-to-right order.
struct RecordTool {
    const char* name;    // nullptr: the record number stands here
    art::Glyph glyph;
    const char* words;   // a wide button picture with words instead of a glyph
    const char* caption; // what a screen reader says; with the key, the tooltip
    const char* hint;    // the status line text while the mouse is over it
    QKeyCombination key = {};
    int gapBefore = 0;
};

// Where a tool bar's pieces stand on its screen's panel.
struct RecordToolBarPlace {
    QRect strip;      // the white strip behind the tools
    int firstX;
    QSize wideSize;   // a button with words
    int wideGap;      // after a button with words
    int positionWidth;
    int positionAdvance;
};

// The tools of a record screen: its own before and after the browse group (first, previous,
// the record number, next, last), which is the same on every record screen.
struct RecordTools {
    std::span<const RecordTool> before;
    int browseGap; // before the browse group
    std::span<const RecordTool> after;
};

// Builds the tool bar on `panel`: the strip, the buttons with their hints, tooltips and keys
// (active while `screen` has the keyboard), and the record number label, which it returns.
QLabel* buildRecordToolBar(QWidget* screen, QWidget* panel, StatusHints* hints, const RecordToolBarPlace& place,
                           const RecordTools& tools);

// "Ctrl+S", "Pag Giù" ...: a key as the tooltips name it.
QString keyName(QKeyCombination key);
