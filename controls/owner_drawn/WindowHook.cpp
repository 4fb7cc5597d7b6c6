#include "WindowHook.h"

int WindowHook::AttachWindowHook(QWidget* window) {
    int index = -1;
    for (int i = int(m_records.size()) - 1; i >= 0; --i) {
        if (!m_records[i]->window) {
            index = i;
            break;
        }
    }
    if (index < 0) {
        m_records.append(std::make_shared<Record>());
        index = int(m_records.size()) - 1;
    }
    Record& record = *m_records[index];
    record.window = window;
    record.entry = std::make_unique<HookEntry>(window, m_client);
    return index;
}

void WindowHook::HookMessage(QWidget* window, quint32 message, HookPhase when) {
    for (const auto& record : std::as_const(m_records)) {
        if (!record->window || record->window != window) continue;
        if (int(when) & int(HookPhase::Before)) record->entry->Before().Add(message);
        if (int(when) & int(HookPhase::After)) record->entry->After().Add(message);
        return;
    }
}

void WindowHook::DetachAllHooks() {
    for (int i = int(m_records.size()) - 1; i >= 0; --i) {
        Record& record = *m_records[i];
        if (!record.window) continue;
        // Releasing the entry removes its filter, so the window's own handling is all that
        // remains.
        record.entry.reset();
        record.window = nullptr;
    }
}

const HookEntry* WindowHook::Entry(int index) const {
    if (index < 0 || index >= m_records.size()) return nullptr;
    return m_records[index]->entry.get();
}

bool WindowHook::IsAttached() const {
    for (const auto& record : m_records)
        if (record->window) return true;
    return false;
}
