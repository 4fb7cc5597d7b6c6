#include "LineReuse.h"

#include <algorithm>
#include <cstring>

namespace {

// Texts are compared a block at a time with memcmp, which is far faster than a character loop
// over a whole script.
constexpr qsizetype kBlock = 128;

}  // namespace

qsizetype CommonPrefix(QStringView a, QStringView b) {
    const qsizetype n = std::min(a.size(), b.size());
    const QChar* pa = a.data();
    const QChar* pb = b.data();
    qsizetype i = 0;
    while (i + kBlock <= n && std::memcmp(pa + i, pb + i, kBlock * sizeof(QChar)) == 0)
        i += kBlock;
    while (i < n && pa[i] == pb[i])
        ++i;
    return i;
}

qsizetype CommonSuffix(QStringView a, QStringView b, qsizetype limit) {
    const qsizetype n = std::min({a.size(), b.size(), limit});
    const QChar* ea = a.data() + a.size();
    const QChar* eb = b.data() + b.size();
    qsizetype i = 0;
    while (i + kBlock <= n &&
           std::memcmp(ea - i - kBlock, eb - i - kBlock, kBlock * sizeof(QChar)) == 0)
        i += kBlock;
    while (i < n && ea[-i - 1] == eb[-i - 1])
        ++i;
    return i;
}

LineReuse PlanLineReuse(QStringView oldText, const std::vector<qsizetype>& oldStarts,
                        QStringView newText) {
    LineReuse plan;
    const qsizetype prefix = CommonPrefix(oldText, newText);
    const qsizetype suffix =
        CommonSuffix(oldText, newText, std::min(oldText.size(), newText.size()) - prefix);
    // A line is kept when it and its line break lie in the common start: when the next line
    // starts within it.
    const auto firstNext = oldStarts.begin() + 1;
    plan.KeptLines = std::upper_bound(firstNext, oldStarts.end(), prefix) - firstNext;
    // A line is reused when the line break before it lies in the common end.
    plan.ReusedFrom = std::lower_bound(firstNext, oldStarts.end(), oldText.size() - suffix + 2) -
                      oldStarts.begin();
    plan.Shift = newText.size() - oldText.size();
    plan.ChangedStart = oldStarts[size_t(plan.KeptLines)];
    plan.ChangedEnd = plan.ReusedFrom < qsizetype(oldStarts.size())
                          ? oldStarts[size_t(plan.ReusedFrom)] + plan.Shift - 2
                          : newText.size();
    return plan;
}
