#pragma once

#include <QString>

class QLabel;
class QWidget;

// The frame the export and backup dialogs share: a light grey window with a white box for the
// commands along the top (shpSfondo), a white work box (panContainer), and the blue strip along
// the foot (shpInfo) holding the status text panInfo.
struct ToolFrame {
    QWidget* commands;
    QWidget* work;
    QWidget* strip;
    QLabel* info;
};

// `infoWidth`: how far the status text reaches, leaving the rest of the strip to the screen.
ToolFrame buildToolFrame(QWidget* window, const QString& infoText, int infoWidth);
