#include "HookEntry.h"

#include <QEvent>
#include <memory>

#include "SubclassClient.h"
#include "WindowMessages.h"

bool HookEntry::Table::Contains(quint32 message) const {
    for (int i = 0; i < count && i < entries.size(); ++i)
        if (entries[i] == message) return true;
    return false;
}

void HookEntry::Table::Add(quint32 message) {
    if (Contains(message)) return;
    for (int i = 0; i < count && i < entries.size(); ++i) {
        if (entries[i] == 0) {
            entries[i] = message;
            return;
        }
    }
    entries.append(message);
    count = int(entries.size());
}

void HookEntry::Table::Clear() {
    entries.clear();
    count = 0;
}

HookEntry::HookEntry(QWidget* window, SubclassClient* client) : m_window(window), m_client(client) {
    if (window) window->installEventFilter(this);
}

HookEntry::~HookEntry() {
    if (m_window) m_window->removeEventFilter(this);
}

bool HookEntry::eventFilter(QObject* watched, QEvent* event) {
    if (m_passing || watched != m_window || !m_client) return false;
    const auto routed = WindowMessages::FromEvent(*event);
    if (!routed) return false;
    const bool before = m_before.count != 0 && m_before.Contains(routed->message);
    const bool after = m_after.count != 0 && m_after.Contains(routed->message);
    if (!before && !after) return false;  // straight to the window, untouched

    bool handled = false;
    qint32 result = 0;
    QWidget* window = m_window;
    WindowMessages::Message message = *routed;
    if (before) {
        m_client->zSubclass_Proc(true, handled, result, window, message.message, message.wParam,
                                 message.lParam);
        if (handled) {
            m_lastResult = result;
            return true;
        }
    }
    // The window's own handling gets the message as the before phase left it.
    const bool changed = message.message != routed->message || message.wParam != routed->wParam ||
                         message.lParam != routed->lParam;
    std::unique_ptr<QEvent> rebuilt;
    if (changed && m_window) rebuilt = WindowMessages::ToMouseEvent(message, *m_window);
    result = CallPrevious(rebuilt ? rebuilt.get() : event);
    if (after && m_client)
        m_client->zSubclass_Proc(false, handled, result, window, message.message, message.wParam,
                                 message.lParam);
    m_lastResult = result;
    return true;
}

qint32 HookEntry::CallPrevious(QEvent* event) {
    if (!m_window) return 0;
    m_passing = true;
    // QObject::event is public; this runs the window's own handling without the filters again.
    static_cast<QObject*>(m_window.data())->event(event);
    m_passing = false;
    // The widgets' own handlers return nothing; the system's default result for these is 0.
    return 0;
}
