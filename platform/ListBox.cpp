#include "ListBox.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <algorithm>

#include "WidgetProperties.h"

namespace {

// Equal rows, comparing the shared text first: a refill mostly hands back the same strings.
bool SameRow(const QString& a, const QString& b) {
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

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

void ListBox::ReadProperties(const PropertyBag& bag) {
    WidgetProperties::ReadCommon(this, bag, QPalette::Text, QPalette::Base);
}

void ListBox::Clear() {
    m_count = 0;
    // The selection goes at once; the rows leave the view when it is next brought up to date.
    {
        const QSignalBlocker blocker(selectionModel());
        selectionModel()->clearSelection();
    }
    m_selectedRow = -1;
    RequestSync();
    emit Cleared();
}

void ListBox::AddItem(const QString& text) {
    if (m_count < m_rows.size()) {
        if (!SameRow(m_rows[m_count], text)) m_rows[m_count] = text;
    } else {
        m_rows.append(text);
    }
    ++m_count;
    RequestSync();
    // Thousands of rows a keystroke: the signal is only worth raising when someone listens.
    if (m_itemAddedWatched) emit ItemAdded(text);
}

void ListBox::connectNotify(const QMetaMethod& signal) {
    if (signal == QMetaMethod::fromSignal(&ListBox::ItemAdded)) m_itemAddedWatched = true;
}

void ListBox::disconnectNotify(const QMetaMethod& signal) {
    // An invalid method stands for a disconnection from every signal.
    const QMetaMethod itemAdded = QMetaMethod::fromSignal(&ListBox::ItemAdded);
    if (!signal.isValid() || signal == itemAdded) m_itemAddedWatched = isSignalConnected(itemAdded);
}

void ListBox::RequestSync() {
    m_viewStale = true;
    if (m_syncQueued) return;
    m_syncQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_syncQueued = false;
            SyncView();
        },
        Qt::QueuedConnection);
}

void ListBox::SyncView() const {
    if (!m_viewStale) return;
    m_viewStale = false;
    // Showing the rows changes what is shown, not what the list is: it stays a const read.
    auto* self = const_cast<ListBox*>(this);
    m_rows.resize(m_count);
    const int rows = int(m_count);
    const int shown = int(m_shown.size());
    for (int i = 0; i < std::min(rows, shown); ++i) {
        if (SameRow(m_shown[i], m_rows[i])) continue;
        m_shown[i] = m_rows[i];
        item(i)->setText(m_rows[i]);
    }
    if (shown > rows) {
        self->model()->removeRows(rows, shown - rows);
        m_shown.resize(rows);
    }
    if (rows > shown) {
        const QStringList added = m_rows.mid(shown);
        self->addItems(added);
        m_shown += added;
    }
}

int ListBox::SelectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int ListBox::ListIndex() const {
    SyncView();
    return SelectedRow();
}

void ListBox::SetListIndex(int index) {
    SyncView();
    if (index < -1 || index >= count()) return;
    if (index < 0) {
        clearSelection();
        return;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

int ListBox::ListCount() const {
    SyncView();
    return int(m_count);
}

QString ListBox::List(int index) const {
    return index >= 0 && index < m_count ? m_rows[index] : QString();
}

void ListBox::ClickRow(int row) {
    SyncView();
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
    SyncView();
    return QListWidget::event(event);
}

bool ListBox::viewportEvent(QEvent* event) {
    SyncView();
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
