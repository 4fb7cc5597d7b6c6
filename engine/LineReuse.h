#pragma once

#include <QStringView>
#include <vector>

// Which lines of a parsed text an edit left as they were, so that a reparse reads only the
// lines the edit touched. Lines end at CR LF pairs, as the engines split them.
struct LineReuse {
    // Lines 0 .. KeptLines - 1 are unchanged at the start, their line breaks included.
    qsizetype KeptLines = 0;
    // Old lines from ReusedFrom on are unchanged at the end, together with the line break
    // before each; ReusedFrom is the old line count when there are none.
    qsizetype ReusedFrom = 0;
    // The changed lines in the new text: from ChangedStart up to ChangedEnd, which is the CR of
    // the line break before the first reused line, or the new text's end.
    qsizetype ChangedStart = 0;
    qsizetype ChangedEnd = 0;
    // How far the reused lines moved: new text length less old text length.
    qsizetype Shift = 0;
};

// Plans a reparse of newText, given the old text and where each of its lines started (the
// first at 0, at least one line).
LineReuse PlanLineReuse(QStringView oldText, const std::vector<qsizetype>& oldStarts,
                        QStringView newText);

// The length of the common start of a and b, and of their common end (at most limit).
qsizetype CommonPrefix(QStringView a, QStringView b);
qsizetype CommonSuffix(QStringView a, QStringView b, qsizetype limit);
