#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QPushButton;
class ResultList;
struct AppContext;

// Find in list: btnTrova looks for the text of txtTrova (letters a-z and A-Z alike, not
// trimmed) in the rows of lstRecords. A new text is looked for from the first row; the same
// text again goes on from the row after the selected one; the search wraps and ends at the
// first row holding it, which becomes selected. An empty list says so; an empty text is
// held by no row. Return in txtTrova only moves the focus to btnTrova.
//
// The "last search text" lives where the screen wants it: a screen that forgets it whenever
// it is shown passes a member and empties it on show; one that keeps it for the whole run
// passes a variable of static lifetime. Usage:
//
//     new FindInList(ctx, list, txtTrova, btnTrova, m_lastSearch, this);
class FindInList : public QObject {
    Q_OBJECT
public:
    static const QString kEmptyListMessage;

    FindInList(AppContext& ctx, ResultList* list, QLineEdit* field, QPushButton* button, QString& lastSearch,
               QObject* parent);

    void find();

private:
    AppContext& m_ctx;
    ResultList* m_list;
    QLineEdit* m_field;
    QString& m_lastSearch;
};
