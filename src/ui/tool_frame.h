#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;
class StatusHints;

// The frame the export and backup dialogs share: a light grey window with a white box for the
// commands along the top (shpSfondo) ending in the help and exit pictures (cmdGuida, cmdEsci,
// which close the window), a white work box (panContainer), and the blue strip along the foot
// (shpInfo) holding the status text panInfo. The window, the two white boxes clear the hints.
struct ToolFrame {
    QWidget* commands;
    QWidget* work;
    QWidget* strip;
    QLabel* info;
    StatusHints* hints;
    QPushButton* help; // the window says which page of the guide it opens
};

// `infoWidth`: how far the status text reaches, leaving the rest of the strip to the screen.
ToolFrame buildToolFrame(QWidget* window, const QString& infoText, int infoWidth);
