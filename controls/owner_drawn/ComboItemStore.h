#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The items of a drop-down list: text, a small and a big icon and a check state each, in slots
// indexed from 0, of which the first Count() are in use. A preallocation makes a number of
// empty slots that additions fill without growing the store, until it is ended.
class ComboItemStore {
public:
    struct Item {
        QString text;
        QImage smallIcon;
        QImage bigIcon;
        bool checked = false;
    };

    int Count() const { return m_count; }
    int SlotCount() const { return int(m_slots.size()); }
    bool IsPreallocated() const { return m_preallocated; }

    // The item in use at index, or null outside 0 to Count() - 1.
    const Item* At(int index) const;
    Item* At(int index);

    // Puts the item into slot Count(), growing the store when every slot is in use (also while
    // a preallocation is in force).
    void Add(Item item);
    // Removes the item at index; later items move down one slot. False when out of range.
    bool Remove(int index);
    void Clear();

    // Re-creates the store with count empty slots (count > 0). The items are dropped but the
    // count in use stays; their slots read as empty items, so the store never holds fewer
    // slots than that count.
    void Preallocate(int count);
    void EndPreallocation() { m_preallocated = false; }

private:
    QList<Item> m_slots;
    int m_count = 0;
    bool m_preallocated = false;
};
