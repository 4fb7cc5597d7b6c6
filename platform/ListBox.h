#pragma once

#include <QListWidget>
#include <QStringList>

#include "ListTarget.h"

class PropertyBag;

// A list box: rows appended in call order, never sorted; ListIndex is the 0-based selected row
// (-1 for none). Click is raised whenever the selected row changes, by the left mouse button,
// the keys or the program, and on a left click on the row that is already selected. The row
// with the keyboard focus alone is no selection: a list that gets the focus or whose window is
// activated again raises nothing, and the other mouse buttons select nothing.
//
// The rows live in the list box itself; the view is brought up to date in one step before
// anything reads or shows it, reusing the rows it already shows. A parse that clears and
// lists thousands of sections again on every keystroke then costs a comparison, not a rebuild.
class ListBox : public QListWidget, public ListTarget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // ListTarget. Clear raises no Click.
    void Clear() override;
    void AddItem(const QString& text) override;

    // The stored properties of a list placed on a window: font, colours, Enabled.
    void ReadProperties(const PropertyBag& bag);

    int ListIndex() const;
    void SetListIndex(int index);
    int ListCount() const;
    QString List(int index) const;
    // What a left click on the row does: selects it, and raises Click even if it was selected.
    void ClickRow(int row);

signals:
    void Click();
    void Cleared();
    void ItemAdded(const QString& text);

protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    int SelectedRow() const;
    void OnSelectionChanged();
    void SyncView() const;
    void RequestSync();

    // The list's rows are the first m_count of m_rows; the ones after them are the rows of a
    // previous filling, kept until the view is next brought up to date, so that a refill with
    // the same rows copies nothing.
    mutable QStringList m_rows;
    qsizetype m_count = 0;
    // What the view shows, row for row.
    mutable QStringList m_shown;
    mutable bool m_viewStale = false;
    bool m_syncQueued = false;
    int m_selectedRow = -1;  // as last reported by Click
    bool m_itemAddedWatched = false;
};
