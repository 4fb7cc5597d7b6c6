#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class SubclassClient;

// The per-window entry point of a WindowHook: an event filter on the window that routes the
// subscribed messages to the client before and after the window's own handling. It reads its
// tables on every message, so a subscription takes effect at once.
class HookEntry : public QObject {
    Q_OBJECT
public:
    // A table of message numbers; 0 marks a free slot, only the first count entries are used.
    struct Table {
        QList<quint32> entries;
        int count = 0;
        bool Contains(quint32 message) const;
        // Adds message unless present: into the first free slot, or at the end.
        void Add(quint32 message);
        void Clear();
    };

    HookEntry(QWidget* window, SubclassClient* client);
    ~HookEntry() override;

    Table& Before() { return m_before; }
    Table& After() { return m_after; }
    const Table& Before() const { return m_before; }
    const Table& After() const { return m_after; }
    QWidget* Window() const { return m_window; }

    // What the last routed message returned to the system.
    qint32 LastResult() const { return m_lastResult; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    qint32 CallPrevious(QEvent* event);

    QPointer<QWidget> m_window;
    SubclassClient* m_client;  // not owned; the client detaches before it goes away
    Table m_before;
    Table m_after;
    qint32 m_lastResult = 0;
    bool m_passing = false;  // the window's own handling is running on a routed message
};
