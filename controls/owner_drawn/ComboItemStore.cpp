#include "ComboItemStore.h"

#include <algorithm>
#include <utility>

const ComboItemStore::Item* ComboItemStore::At(int index) const {
    if (index < 0 || index >= m_count || index >= m_slots.size()) return nullptr;
    return &m_slots[index];
}

ComboItemStore::Item* ComboItemStore::At(int index) {
    if (index < 0 || index >= m_count || index >= m_slots.size()) return nullptr;
    return &m_slots[index];
}

void ComboItemStore::Add(Item item) {
    // Beyond its slots the store grows, preallocated or not: an addition never fails.
    if (m_count >= SlotCount()) m_slots.resize(m_count + 1);
    m_slots[m_count] = std::move(item);
    ++m_count;
}

bool ComboItemStore::Remove(int index) {
    if (index < 0 || index >= m_count) return false;
    m_slots.removeAt(index);
    --m_count;
    if (m_count == 0) m_slots.clear();
    return true;
}

void ComboItemStore::Clear() {
    m_slots.clear();
    m_count = 0;
}

void ComboItemStore::Preallocate(int count) {
    if (count <= 0) return;
    m_slots.clear();
    m_slots.resize(std::max(count, m_count));
    m_preallocated = true;
}
