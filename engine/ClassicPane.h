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
    const char16_t* SourceChars() const;
    void ClearLines();
    // Splits, trims and classifies every line of SourceText.
    void ParseAllLines();
    // Reads the lines an edit of the last parsed text touched, and takes the others over from
    // the last parse; false, with nothing done, where that cannot give the same result.
    bool ReparseEdited(const QString& previous, qint32 previousSections, bool startBlock);
    // Takes old lines from..to over, moved by shift characters.
    void ReuseOldLines(qsizetype from, qsizetype to, const char16_t* oldBase, qsizetype shift);
    // Appends the line SourceText[start, end) trimmed, and classifies it.
    void ParseLine(qsizetype start, qsizetype end);
    // Classifies the line at LineCursor (a trimmed copy of it), blanking what a dialogue never
    // shows.
    void ClassifyLine(QStringView line);
    void RecordSection(QStringView name);
    void StoreSection(const QString& name, qint32 line);
    size_t NextSectionSlot();
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
    // Where each line of the last parse started in SourceText, and the block flag before it;
    // the block flag that parse started with. With the spare tables below, they let a reparse
    // take over the lines an edit did not touch.
    std::vector<qsizetype> m_lineStarts;
    std::vector<char> m_blockBefore;  // bool, stored bytewise for bulk copies
    bool m_parseStartBlock = false;
    std::vector<QStringView> m_oldLines;
    std::vector<qsizetype> m_oldStarts;
    std::vector<char> m_oldBlockBefore;
    std::vector<std::pair<QString, qint32>> m_oldSections;

    // Upper-cased section name to its first section, built on the first jump after a parse.
    QHash<QString, int> m_sectionLookup;
    bool m_lookupValid = false;
};
