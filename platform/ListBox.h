#pragma once

#include <QListWidget>

#include "ListTarget.h"

// A list box: rows appended in call order, never sorted; ListIndex is the 0-based selected row
// (-1 for none). Click is raised on every selection change, by mouse, key or program, and on a
// mouse click on the row that is already selected.
class ListBox : public QListWidget, public ListTarget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // ListTarget. Clear raises no Click.
    void Clear() override;
    void AddItem(const QString& text) override;

    int ListIndex() const { return currentRow(); }
    void SetListIndex(int index);
    int ListCount() const { return count(); }
    QString List(int index) const;
    // What a mouse click on the row does: selects it, and raises Click even if it was selected.
    void ClickRow(int row);

signals:
    void Click();
    void Cleared();
    void ItemAdded(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void OnCurrentRowChanged(int row);
};
