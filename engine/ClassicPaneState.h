#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// The whole state of one classic preview pane. Lines keep their editor line numbers: a blanked
// line is emptied, never removed.
struct ClassicPaneState {
    // The first 100 sections fit the tables as first sized; they grow for longer scripts.
    static constexpr int kInitialSections = 100;

    // The editor text of the last parse; ScriptLines are views into it.
    QString SourceText;
    std::vector<QStringView> ScriptLines;
    qint32 LineCursor = 0;
    // Entry k names section k; entries above SectionCount may hold stale names.
    std::vector<QString> SectionNames = std::vector<QString>(kInitialSections + 1);
    // Entry k is the label line of section k; entry SectionCount is the end marker, the index of
    // the script's last line.
    std::vector<qint32> SectionStarts = std::vector<qint32>(kInitialSections + 1, 0);
    qint32 SectionCount = 0;
    bool InBlock = false;
    qint32 PenX = 0;
    qint32 PenY = 0;
};
