#pragma once

#include <QHash>
#include <QString>
#include <vector>

#include "ClassicPaneState.h"
#include "ClassicPen.h"

class ListTarget;
class MessageSink;
class PrintTarget;

// One classic preview pane: parses its editor's script into lines and sections, lists the
// sections, and draws a section onto its picture box the way the game client shows a dialogue.
class ClassicPane {
public:
    ClassicPane(PrintTarget& picture, ListTarget& sectionList, MessageSink& messages);

    // Re-reads the whole editor text, refills the section list and draws section 0.
    void ParseScript(const QString& editorText);
    // Draws section k from a cleared picture; out-of-range numbers draw nothing.
    void RenderSection(int k);

    const ClassicPaneState& State() const { return m_state; }

private:
    // Classifies the line at LineCursor (a trimmed copy of it), blanking what a dialogue never
    // shows.
    void ClassifyLine(QStringView line);
    void RecordSection(const QString& name);
    void DrawSectionBody(int k);
    // Draws one script line: a jump, or dialogue markup.
    void RenderLine(QStringView line);
    // Draws the first section named name (case-insensitive) instead of the current one. A name
    // that matches no section, or a section already being drawn in the current chain of jumps,
    // is ignored.
    void GotoSection(QStringView name);
    int FindSectionByName(QStringView name);

    ClassicPaneState m_state;
    PrintTarget& m_picture;
    ClassicPen m_pen;
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
