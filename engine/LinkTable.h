#pragma once

#include <QString>
#include <vector>

#include "LinkRecord.h"

// The links of a section engine's last drawing. Entry 0 is an empty placeholder; the links
// follow as entries 1..n in print order.
class LinkTable {
public:
    LinkTable() { Reset(); }

    void Reset() { m_entries.assign(1, LinkRecord{}); }
    void AddLink(qint32 x, qint32 y, qint32 width, qint32 height, const QString& target) {
        m_entries.push_back(LinkRecord{target, x, y, width, height});
    }

    // The last index in use; 0 when no link was printed.
    int LastIndex() const { return int(m_entries.size()) - 1; }
    const LinkRecord& operator[](int index) const { return m_entries[size_t(index)]; }
    const std::vector<LinkRecord>& Entries() const { return m_entries; }

private:
    std::vector<LinkRecord> m_entries;
};
