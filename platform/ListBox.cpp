#include "ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

bool IsLeftButtonEvent(const QMouseEvent* event) {
    return event->button() == Qt::LeftButton ||
           (event->type() == QEvent::MouseMove && (event->buttons() & Qt::LeftButton));
}

}  // namespace

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListBox::OnSelectionChanged);
}

void ListBox::Clear() {
    m_pending.clear();
    {
        const QSignalBlocker blocker(this);
        clear();
    }
    m_selectedRow = -1;
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

int ListBox::SelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int ListBox::ListIndex() const {
    FlushPending();
    return SelectedRow();
}

void ListBox::SetListIndex(int index) {
    FlushPending();
    if (index < -1 || index >= count()) return;
    if (index < 0) {
        clearSelection();
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
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
    if (row == SelectedRow()) {
        emit Click();
    } else {
        setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
}

void ListBox::OnSelectionChanged() {
    const int row = SelectedRow();
    if (row == m_selectedRow) return;
    m_selectedRow = row;
    if (row >= 0) emit Click();
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
    // The focus row and the selected row are one: keys that would only move the focus (with
    // Ctrl held, say) select the row they move to.
    if (event && event->type() == QEvent::KeyPress && index.isValid()) {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Select)
            return QItemSelectionModel::ClearAndSelect;
    }
    return QListWidget::selectionCommand(index, event);
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
    if (!IsLeftButtonEvent(event)) {
        // Only the left button selects; the others just take the focus.
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    const int before = SelectedRow();
    const int under = indexAt(event->position().toPoint()).row();
    QListWidget::mousePressEvent(event);
    // A click on the selected row changes nothing, but it is still a click.
    if (under >= 0 && under == before && SelectedRow() == before) emit Click();
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    // Dragging with another button held selects nothing either.
    if (event->buttons() != Qt::NoButton && !(event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    QListWidget::mouseMoveEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (!IsLeftButtonEvent(event)) {
        event->accept();
        return;
    }
    QListWidget::mouseReleaseEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!IsLeftButtonEvent(event)) {
        event->accept();
        return;
    }
    QListWidget::mouseDoubleClickEvent(event);
}
