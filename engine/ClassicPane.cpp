#include "ClassicPane.h"

#include "LineReuse.h"
#include "ListTarget.h"
#include "MarkupReader.h"
#include "PrintTarget.h"
#include "ScriptText.h"
#include "TraceMessage.h"

ClassicPane::ClassicPane(PrintTarget& picture, ListTarget& sectionList, MessageSink& messages)
    : m_picture(picture),
      m_pen(picture, m_state.PenX, m_state.PenY),
      m_sectionList(sectionList),
      m_messages(messages) {}

void ClassicPane::ParseScript(const QString& editorText) {
    // The last parse's text stays alive while its lines are reused.
    const QString previous = m_state.SourceText;
    const qint32 previousSections = m_state.SectionCount;
    const bool startBlock = m_state.InBlock;
    m_state.SectionCount = 0;
    m_lookupValid = false;
    m_sectionList.Clear();
    m_state.SourceText = editorText;
    if (!ReparseEdited(previous, previousSections, startBlock)) ParseAllLines();
    m_parseStartBlock = startBlock;
    const qint32 n = qint32(m_state.ScriptLines.size());
    m_state.LineCursor = n;
    for (qint32 k = 0; k < m_state.SectionCount; ++k)
        m_sectionList.AddItem(m_state.SectionNames[size_t(k)]);
    if (m_state.SectionStarts.size() <= size_t(m_state.SectionCount))
        m_state.SectionStarts.resize(size_t(m_state.SectionCount) + 1);
    m_state.SectionStarts[size_t(m_state.SectionCount)] = n - 1;
    if (m_state.SectionCount > 0) {
        RenderSection(0);
    } else {
        TraceMessage(QStringLiteral("找不到任何可执行的 Function ..."));
    }
}

const char16_t* ClassicPane::SourceChars() const {
    return reinterpret_cast<const char16_t*>(m_state.SourceText.unicode());
}

void ClassicPane::ClearLines() {
    m_state.ScriptLines.clear();
    m_lineStarts.clear();
    m_blockBefore.clear();
}

void ClassicPane::ParseAllLines() {
    ClearLines();
    const qsizetype size = m_state.SourceText.size();
    for (qsizetype start = 0; size > 0;) {
        const qsizetype end = ScriptText::LineEnd(SourceChars(), start, size);
        ParseLine(start, end);
        if (end == size) break;
        start = end + 2;
    }
}

void ClassicPane::ParseLine(qsizetype start, qsizetype end) {
    m_state.LineCursor = qint32(m_state.ScriptLines.size());
    m_lineStarts.push_back(start);
    m_blockBefore.push_back(m_state.InBlock);
    m_state.ScriptLines.push_back(
        ScriptText::TrimSpaces(QStringView(SourceChars() + start, end - start)));
    ClassifyLine(m_state.ScriptLines.back());
}

bool ClassicPane::ReparseEdited(const QString& previous, qint32 previousSections, bool startBlock) {
    // Classifying a line depends on the block flag before it; a parse that starts with another
    // flag than the last one did may classify every line differently. Traces want every
    // section found afresh.
    if (previous.isEmpty() || m_state.SourceText.isEmpty() || m_lineStarts.empty() ||
        startBlock != m_parseStartBlock || TraceEnabled())
        return false;
    const LineReuse plan = PlanLineReuse(previous, m_lineStarts, m_state.SourceText);
    const auto* oldBase = reinterpret_cast<const char16_t*>(previous.unicode());
    const qsizetype oldCount = qsizetype(m_lineStarts.size());
    std::swap(m_state.ScriptLines, m_oldLines);
    std::swap(m_lineStarts, m_oldStarts);
    std::swap(m_blockBefore, m_oldBlockBefore);
    ClearLines();
    // The old sections, before the tables take the new ones.
    m_oldSections.clear();
    qint32 keptSections = 0;
    for (qint32 k = 0; k < previousSections; ++k) {
        const qint32 line = m_state.SectionStarts[size_t(k)];
        if (line < plan.KeptLines) ++keptSections;
        if (line >= plan.ReusedFrom)
            m_oldSections.push_back({m_state.SectionNames[size_t(k)], line});
    }
    m_state.SectionCount = keptSections;

    ReuseOldLines(0, plan.KeptLines, oldBase, 0);
    m_state.InBlock = m_oldBlockBefore[size_t(plan.KeptLines)] != 0;
    for (qsizetype start = plan.ChangedStart;;) {
        const qsizetype end = ScriptText::LineEnd(SourceChars(), start, plan.ChangedEnd);
        ParseLine(start, end);
        if (end == plan.ChangedEnd) break;
        start = end + 2;
    }
    // The lines after the edit read as before once the block flag agrees with the old parse.
    qsizetype next = plan.ReusedFrom;
    for (; next < oldCount && m_state.InBlock != (m_oldBlockBefore[size_t(next)] != 0); ++next) {
        const qsizetype start = m_oldStarts[size_t(next)] + plan.Shift;
        const qsizetype end = next + 1 < oldCount ? m_oldStarts[size_t(next) + 1] + plan.Shift - 2
                                                  : m_state.SourceText.size();
        ParseLine(start, end);
    }
    if (next < oldCount) {
        const qint32 lineShift = qint32(m_state.ScriptLines.size()) - qint32(next);
        ReuseOldLines(next, oldCount, oldBase, plan.Shift);
        for (const auto& [name, line] : m_oldSections)
            if (line >= next) StoreSection(name, line + lineShift);
        m_state.InBlock = startBlock;  // where the last parse ended
    }
    return true;
}

void ClassicPane::ReuseOldLines(qsizetype from, qsizetype to, const char16_t* oldBase,
                                qsizetype shift) {
    // Tens of thousands of lines on every keystroke: written in bulk, not appended one by one.
    const char16_t* base = SourceChars();
    const size_t at = m_state.ScriptLines.size();
    const size_t count = size_t(to - from);
    m_state.ScriptLines.resize(at + count);
    m_lineStarts.resize(at + count);
    QStringView* lines = m_state.ScriptLines.data() + at;
    qsizetype* starts = m_lineStarts.data() + at;
    const QStringView* oldLines = m_oldLines.data() + from;
    const qsizetype* oldStarts = m_oldStarts.data() + from;
    for (size_t i = 0; i < count; ++i) {
        const QStringView old = oldLines[i];
        lines[i] = old.isNull() ? QStringView()
                                : QStringView(base + (old.utf16() - oldBase) + shift, old.size());
        starts[i] = oldStarts[i] + shift;
    }
    m_blockBefore.insert(m_blockBefore.end(), m_oldBlockBefore.begin() + from,
                         m_oldBlockBefore.begin() + to);
}

size_t ClassicPane::NextSectionSlot() {
    const size_t k = size_t(m_state.SectionCount);
    // One spare entry for the end marker that follows the last section.
    if (m_state.SectionNames.size() <= k + 1) {
        m_state.SectionNames.resize(2 * (k + 1));
        m_state.SectionStarts.resize(2 * (k + 1));
    }
    return k;
}

void ClassicPane::RecordSection(QStringView name) {
    const size_t k = NextSectionSlot();
    // Reparsing mostly finds the same names again: keep the stored copy then.
    if (m_state.SectionNames[k] != name) m_state.SectionNames[k] = name.toString();
    m_state.SectionStarts[k] = m_state.LineCursor;
    if (TraceEnabled())
        TraceMessage(QStringLiteral("发现 Function : ") + name.toString() +
                     QStringLiteral(" , 执行指针 : ") + QString::number(m_state.LineCursor));
    ++m_state.SectionCount;
}

void ClassicPane::StoreSection(const QString& name, qint32 line) {
    const size_t k = NextSectionSlot();
    QString& slot = m_state.SectionNames[k];
    if (slot.constData() != name.constData() || slot.size() != name.size()) slot = name;
    m_state.SectionStarts[k] = line;
    ++m_state.SectionCount;
}

void ClassicPane::ClassifyLine(QStringView line) {
    QStringView& stored = m_state.ScriptLines[size_t(m_state.LineCursor)];
    if (line.startsWith(QLatin1Char('['))) {
        if (line.size() >= 3 && line[1] == QLatin1Char('@') && line.endsWith(QLatin1Char(']')))
            RecordSection(line.mid(2, line.size() - 3));
        m_state.InBlock = false;
        return;
    }
    if (line.startsWith(QLatin1Char('#'))) {
        using ScriptText::UpperEquals;
        if (UpperEquals(line, QLatin1String("#IF")) || UpperEquals(line, QLatin1String("#ACT"))) {
            m_state.InBlock = true;
        } else if (UpperEquals(line, QLatin1String("#SAY"))) {
            m_state.InBlock = false;
        }
        stored = QStringView();
        return;
    }
    if (line == QLatin1String("}") || line == QLatin1String("{")) {
        stored = QStringView();
        m_state.InBlock = false;
        return;
    }
    if (line.startsWith(QLatin1Char('('))) {
        if (line.endsWith(QLatin1Char(')'))) stored = QStringView();
        return;
    }
    // Inside a block only jumps stay; outside it every line does.
    if (m_state.InBlock && !ScriptText::UpperStartsWith(line, QLatin1String("GOTO")))
        stored = QStringView();
}

void ClassicPane::RenderSection(int k) {
    if (k < 0 || k >= m_state.SectionCount) return;
    m_inChain.assign(size_t(m_state.SectionCount), false);
    m_rendering = true;
    // A jump replaces the whole drawing and the interrupted section draws nothing more, so the
    // chain of jumps is followed in a loop rather than by recursion.
    int depth = 0;
    for (;;) {
        m_inChain[size_t(k)] = true;
        m_pendingJump = -1;
        DrawSectionBody(k);
        if (m_pendingJump < 0) break;
        k = m_pendingJump;
        ++depth;
    }
    // Each interrupted section still stepped its cursor once on the way out.
    m_state.LineCursor += depth;
    m_rendering = false;
}

void ClassicPane::DrawSectionBody(int k) {
    if (TraceEnabled())
        TraceMessage(m_state.SectionNames[size_t(k)] + QStringLiteral("开始执行 ..."));
    m_picture.Cls();
    m_state.LineCursor = 0;
    m_pen.Reset();
    const qint32 end = m_state.SectionStarts[size_t(k) + 1];
    const qint32 lastLine = qint32(m_state.ScriptLines.size()) - 1;
    m_state.LineCursor = m_state.SectionStarts[size_t(k)] + 1;
    while (m_state.LineCursor <= end) {
        const QStringView line = m_state.ScriptLines[size_t(m_state.LineCursor)];
        if (line.contains(QLatin1String("[@"))) {
            m_state.LineCursor = lastLine;
            return;
        }
        RenderLine(line);
        if (m_pendingJump >= 0) return;
        ++m_state.LineCursor;
    }
}

int ClassicPane::FindSectionByName(QStringView name) {
    if (!m_lookupValid) {
        m_sectionLookup.clear();
        for (int i = m_state.SectionCount - 1; i >= 0; --i)
            m_sectionLookup.insert(m_state.SectionNames[size_t(i)].toUpper(), i);
        m_lookupValid = true;
    }
    return m_sectionLookup.value(name.toString().toUpper(), -1);
}

void ClassicPane::GotoSection(QStringView name) {
    const int target = FindSectionByName(name);
    if (target < 0) return;
    if (!m_rendering) {
        RenderSection(target);
        return;
    }
    if (m_inChain[size_t(target)]) return;  // a jump back into the chain would never end
    m_pendingJump = target;
}

void ClassicPane::RenderLine(QStringView line) {
    if (line.isEmpty()) return;
    if (ScriptText::UpperStartsWith(line, QLatin1String("GOTO @"))) {
        GotoSection(line.mid(line.indexOf(QLatin1Char('@')) + 1));
        return;
    }
    MarkupReader(m_pen, m_messages).RenderLine(line);
}
