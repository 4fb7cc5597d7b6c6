#pragma once

#include <QList>
#include <QWidget>
#include <memory>

#include "HookEntry.h"

class SubclassClient;

// When a hooked message reaches the client: bit 2 before the window's own handling, bit 1
// after it.
enum class HookPhase : int { After = 1, Before = 2, Both = 3 };

// The hooks one control keeps on its windows (in practice its own): each attached window gets
// an entry point that hands the subscribed messages to the control's zSubclass_Proc.
class WindowHook {
public:
    explicit WindowHook(SubclassClient* client) : m_client(client) {}
    ~WindowHook() { DetachAllHooks(); }
    WindowHook(const WindowHook&) = delete;
    WindowHook& operator=(const WindowHook&) = delete;

    // Hooks window in the first free record (searching from the top), or a new one; returns the
    // record's index.
    int AttachWindowHook(QWidget* window);
    // Routes message of window to the client in the given phases; a message already
    // subscribed in a phase stays subscribed once.
    void HookMessage(QWidget* window, quint32 message, HookPhase when);
    // Unhooks every window, from the highest record down; the windows handle their messages
    // alone again.
    void DetachAllHooks();

    int RecordCount() const { return int(m_records.size()); }
    // The entry point of a record, or null for a free one.
    const HookEntry* Entry(int index) const;
    bool IsAttached() const;

private:
    struct Record {
        QWidget* window = nullptr;  // null marks a free record
        std::unique_ptr<HookEntry> entry;
    };

    SubclassClient* m_client;
    QList<std::shared_ptr<Record>> m_records;
};
