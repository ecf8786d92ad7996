#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QLabel;
class QWidget;

// Writes a command's one-line hint into the status line while the mouse moves over it;
// background boxes registered with an empty hint clear the line.
class StatusHints : public QObject {
    Q_OBJECT
public:
    StatusHints(QLabel* statusLine, QObject* parent);
    void add(QWidget* widget, const QString& hint);
    void addBackground(QWidget* widget) { add(widget, QString()); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_statusLine;
    QHash<QObject*, QString> m_hints;
};
