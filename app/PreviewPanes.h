#pragma once

#include <QString>
#include <memory>

#include "ClassicPane.h"
#include "SectionPane.h"

class LoadedForm;
class ListBox;
class MessageSink;
class PictureBox;

// The five dialogue previews of the main window: its picture boxes and section and link lists
// (sizes, backgrounds, origins, fonts and first colours as its stored data gives them), and the
// engines that draw on them. The main window and the headless renderer both build them from
// the window's stored data.
class PreviewPanes {
public:
    PreviewPanes(LoadedForm& form, MessageSink& messages);
    ~PreviewPanes();

    PictureBox* Picture1 = nullptr;   // classic pane A
    PictureBox* Picture2 = nullptr;   // dragon-style instance C
    PictureBox* Picture3 = nullptr;   // large pane B
    PictureBox* Picture4 = nullptr;   // task log, instance D
    PictureBox* Picture14 = nullptr;  // task description, instance E
    ListBox* List1 = nullptr;         // sections of A
    ListBox* List2 = nullptr;         // sections of B
    ListBox* List3 = nullptr;         // links of C
    ListBox* List4 = nullptr;         // links of D and E

    // What an editor's change does to its preview.
    void ShowClassic(const QString& script) { m_paneA->ParseScript(script); }
    void ShowLarge(const QString& script) { m_paneB->ParseScript(script); }
    void ShowDragon(const QString& script);
    void ShowTaskLog(const QString& script);
    void ShowTaskDescription(const QString& script);

    // What a click on a list does.
    void SelectClassicSection(int row) { m_paneA->RenderSection(row); }
    void SelectLargeSection(int row) { m_paneB->RenderSection(row); }
    // Follows the first link of the dragon-style drawing whose target is a section of script.
    void FollowDragonLink(const QString& script);

    // The section engines, for watching the links they record.
    const SectionPane& Dragon() const { return *m_paneC; }
    const SectionPane& TaskLog() const { return *m_paneD; }
    const SectionPane& TaskDescription() const { return *m_paneE; }

private:
    void RebuildTaskLinkList();

    std::unique_ptr<ClassicPane> m_paneA;
    std::unique_ptr<ClassicPane> m_paneB;
    std::unique_ptr<SectionPane> m_paneC;
    std::unique_ptr<SectionPane> m_paneD;
    std::unique_ptr<SectionPane> m_paneE;
};
