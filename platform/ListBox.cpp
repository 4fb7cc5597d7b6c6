#include "ListBox.h"

#include <QMouseEvent>

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, &ListBox::OnCurrentRowChanged);
}

void ListBox::Clear() {
    m_pending.clear();
    {
        const QSignalBlocker blocker(this);
        clear();
    }
    emit Cleared();
}

void ListBox::AddItem(const QString& text) {
    m_pending.append(text);
    if (!m_flushQueued) {
        m_flushQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_flushQueued = false;
                FlushPending();
            },
            Qt::QueuedConnection);
    }
    emit ItemAdded(text);
}

void ListBox::FlushPending() const {
    if (m_pending.isEmpty()) return;
    QStringList rows;
    rows.swap(m_pending);
    // Appending rows changes what is shown, not what the list is: it stays a const read.
    const_cast<ListBox*>(this)->addItems(rows);
}

int ListBox::ListIndex() const {
    FlushPending();
    return currentRow();
}

void ListBox::SetListIndex(int index) {
    FlushPending();
    if (index < -1 || index >= count()) return;
    setCurrentRow(index);
}

int ListBox::ListCount() const {
    FlushPending();
    return count();
}

QString ListBox::List(int index) const {
    FlushPending();
    const QListWidgetItem* row = item(index);
    return row ? row->text() : QString();
}

void ListBox::ClickRow(int row) {
    FlushPending();
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

bool ListBox::event(QEvent* event) {
    FlushPending();
    return QListWidget::event(event);
}

bool ListBox::viewportEvent(QEvent* event) {
    FlushPending();
    return QListWidget::viewportEvent(event);
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    const int before = currentRow();
    const int under = indexAt(event->position().toPoint()).row();
    QListWidget::mousePressEvent(event);
    // A click on the selected row changes nothing, but it is still a click.
    if (under >= 0 && under == before && currentRow() == before) emit Click();
}
