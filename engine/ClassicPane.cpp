#include "ClassicPane.h"

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
    m_state.SectionCount = 0;
    m_lookupValid = false;
    m_sectionList.Clear();
    m_state.SourceText = editorText;
    m_state.ScriptLines = ScriptText::SplitLines(m_state.SourceText);
    const qint32 n = qint32(m_state.ScriptLines.size());
    for (m_state.LineCursor = 0; m_state.LineCursor < n; ++m_state.LineCursor) {
        QStringView& line = m_state.ScriptLines[size_t(m_state.LineCursor)];
        line = ScriptText::TrimSpaces(line);
        ClassifyLine(line);
    }
    if (m_state.SectionStarts.size() <= size_t(m_state.SectionCount))
        m_state.SectionStarts.resize(size_t(m_state.SectionCount) + 1);
    m_state.SectionStarts[size_t(m_state.SectionCount)] = n - 1;
    if (m_state.SectionCount > 0) {
        RenderSection(0);
    } else {
        TraceMessage(QStringLiteral("找不到任何可执行的 Function ..."));
    }
}

void ClassicPane::RecordSection(const QString& name) {
    const size_t k = size_t(m_state.SectionCount);
    // One spare entry for the end marker that follows the last section.
    if (m_state.SectionNames.size() <= k + 1) {
        m_state.SectionNames.resize(2 * (k + 1));
        m_state.SectionStarts.resize(2 * (k + 1));
    }
    m_state.SectionNames[k] = name;
    m_state.SectionStarts[k] = m_state.LineCursor;
    m_sectionList.AddItem(name);
    if (TraceEnabled())
        TraceMessage(QStringLiteral("发现 Function : ") + name + QStringLiteral(" , 执行指针 : ") +
                     QString::number(m_state.LineCursor));
    ++m_state.SectionCount;
}

void ClassicPane::ClassifyLine(QStringView line) {
    QStringView& stored = m_state.ScriptLines[size_t(m_state.LineCursor)];
    if (line.startsWith(QLatin1Char('['))) {
        if (line.size() >= 3 && line[1] == QLatin1Char('@') && line.endsWith(QLatin1Char(']')))
            RecordSection(line.mid(2, line.size() - 3).toString());
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
