#include "ListBox.h"

#include <QMouseEvent>

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, &ListBox::OnCurrentRowChanged);
}

void ListBox::Clear() {
    {
        const QSignalBlocker blocker(this);
        clear();
    }
    emit Cleared();
}

void ListBox::AddItem(const QString& text) {
    addItem(text);
    emit ItemAdded(text);
}

void ListBox::SetListIndex(int index) {
    if (index < -1 || index >= count()) return;
    setCurrentRow(index);
}

QString ListBox::List(int index) const {
    const QListWidgetItem* row = item(index);
    return row ? row->text() : QString();
}

void ListBox::ClickRow(int row) {
    if (row < 0 || row >= count()) return;
    if (row == currentRow()) {
        emit Click();
    } else {
        setCurrentRow(row);
    }
}

void ListBox::OnCurrentRowChanged(int row) {
    if (row >= 0) emit Click();
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    const int before = currentRow();
    const int under = indexAt(event->position().toPoint()).row();
    QListWidget::mousePressEvent(event);
    // A click on the selected row changes nothing, but it is still a click.
    if (under >= 0 && under == before && currentRow() == before) emit Click();
}
