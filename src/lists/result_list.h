#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QListView>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

// The rows of a result list, held in list order (row_order.h) in one sorted vector together
// with their prepared keys, which serve both the order and find in list.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces the rows; each takes its sorted place (rows of equal key keep their order).
    void setRows(std::vector<QString> rows);
    void clear();

    int count() const { return static_cast<int>(m_texts.size()); }
    // The length of the longest row, in characters.
    qsizetype longest() const { return m_longest; }
    const QString& text(int row) const { return m_texts[static_cast<std::size_t>(row)]; }
    QStringList texts() const;

    // Tests every row once, from `start` downwards and on from the first after the last;
    // returns the first that holds `key` (letters a-z and A-Z alike), or -1.
    int findFrom(int start, QStringView key) const;

    // An invalid size leaves each item its natural size.
    void setItemSize(QSize size);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    // The texts in list order, and their keys back to back in the same order, each ended by
    // a NUL (a byte no row holds), so that find runs over one buffer and never across rows.
    std::vector<QString> m_texts;
    QByteArray m_keys;
    std::vector<qsizetype> m_starts; // where each row's key begins; one more at the end
    qsizetype m_longest = 0;
    QSize m_itemSize;
};

// lstRecords, the list of every result screen: one fixed-width text row per item, in
// Courier New 12, black, in sorted order; single selection. A screen fills it in one go:
//
//     list->setRows(std::move(rows));   // also after a failure, with the rows made so far
//     list->finishFill();               // item width 1600 and scroll bars, after a full fill
//
// A row double-clicked, or Return on the selected row, is announced by rowChosen; the screens
// that hand a row over pass selectedText() to the hand-over by row (row_hand_over.h).
class ResultList : public QListView {
    Q_OBJECT
public:
    static constexpr int kItemWidth = 1600;

    explicit ResultList(QWidget* parent);

    ResultListModel* rows() const { return m_model; }
    void setRows(std::vector<QString> rows);
    void clearRows();
    // Items as wide as kItemWidth, so long rows can be scrolled sideways, and scroll bars shown.
    void finishFill();

    // What of each row must be seen without scrolling sideways: the first `characters`
    // characters, or kWholeRow. The rows are then drawn smaller (never larger than Courier New
    // 12) as far as the list's width needs; the row texts themselves do not change.
    static constexpr int kWholeRow = -1;
    void keepInView(int characters);

    int count() const { return m_model->count(); }
    // -1 when no row is selected.
    int selectedRow() const;
    // Selects the row and scrolls to it; -1 clears the selection.
    void selectRow(int row);
    // The text of the selected row; empty when none is selected.
    QString selectedText() const;
    QStringList texts() const { return m_model->texts(); }

signals:
    void rowChosen(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitFont();
    void measureItems();

    ResultListModel* m_model;
    int m_keep = 0; // characters to keep in view; 0: none asked for
    bool m_filled = false;
};
