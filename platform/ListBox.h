#pragma once

#include <QListWidget>
#include <QStringList>

#include "ListTarget.h"

// A list box: rows appended in call order, never sorted; ListIndex is the 0-based selected row
// (-1 for none). Click is raised whenever the selected row changes, by the left mouse button,
// the keys or the program, and on a left click on the row that is already selected. The row
// with the keyboard focus alone is no selection: a list that gets the focus or whose window is
// activated again raises nothing, and the other mouse buttons select nothing.
//
// Appended rows are handed to the view in one batch, before anything reads or shows the list:
// a parse that lists thousands of sections then costs one model update instead of thousands.
class ListBox : public QListWidget, public ListTarget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // ListTarget. Clear raises no Click.
    void Clear() override;
    void AddItem(const QString& text) override;

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
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    int SelectedRow() const;
    void OnSelectionChanged();
    void FlushPending() const;

    mutable QStringList m_pending;
    bool m_flushQueued = false;
    int m_selectedRow = -1;  // as last reported by Click
};
