#pragma once

#include <QHash>
#include <QString>
#include <vector>

#include "ClassicPaneState.h"

class ListTarget;
class MessageSink;
class PrintTarget;

// One classic preview pane: parses its editor's script into lines and sections, lists the
// sections, and draws a section onto its picture box the way the game client shows a dialogue.
class ClassicPane {
public:
    static constexpr int kStartX = 12;
    static constexpr int kStartY = 12;
    static constexpr int kLineStep = 16;

    ClassicPane(PrintTarget& picture, ListTarget& sectionList, MessageSink& messages);

    // Re-reads the whole editor text, refills the section list and draws section 0.
    void ParseScript(const QString& editorText);
    // Classifies the line at LineCursor (a trimmed copy of it), blanking what a dialogue never
    // shows.
    void ClassifyLine(QStringView line);
    // Draws section k from a cleared picture; out-of-range numbers draw nothing.
    void RenderSection(int k);
    // Draws the first section named name (case-insensitive) instead of the current one. A name
    // that matches no section, or a section already being drawn in the current chain of jumps,
    // is ignored.
    void GotoSection(QStringView name);
    // Reads one script line's markup and draws it.
    void RenderLine(QStringView line);
    void DrawRun(const QString& text, int x, int y, quint32 colour);
    float MeasureText(const QString& text) const;

    ClassicPaneState& State() { return m_state; }
    const ClassicPaneState& State() const { return m_state; }
    MessageSink& Messages() { return m_messages; }

private:
    void RecordSection(const QString& name);
    void DrawSectionBody(int k);
    int FindSectionByName(QStringView name);

    ClassicPaneState m_state;
    PrintTarget& m_picture;
    ListTarget& m_sectionList;
    MessageSink& m_messages;

    // Sections drawn in the current chain of jumps, and the jump a GOTO line asked for.
    std::vector<bool> m_inChain;
    int m_pendingJump = -1;
    bool m_rendering = false;
    // Upper-cased section name to its first section, built on the first jump after a parse.
    QHash<QString, int> m_sectionLookup;
    bool m_lookupValid = false;
};
