#include "PreviewPanes.h"

#include "FindSection.h"
#include "ListBox.h"
#include "LoadedForm.h"
#include "Navigation.h"
#include "PictureBox.h"

PreviewPanes::PreviewPanes(LoadedForm& form, MessageSink& messages)
    : Picture1(form.Require<PictureBox>(QStringLiteral("Picture1"))),
      Picture2(form.Require<PictureBox>(QStringLiteral("Picture2"))),
      Picture3(form.Require<PictureBox>(QStringLiteral("Picture3"))),
      Picture4(form.Require<PictureBox>(QStringLiteral("Picture4"))),
      Picture14(form.Require<PictureBox>(QStringLiteral("Picture14"))),
      List1(form.Require<ListBox>(QStringLiteral("List1"))),
      List2(form.Require<ListBox>(QStringLiteral("List2"))),
      List3(form.Require<ListBox>(QStringLiteral("List3"))),
      List4(form.Require<ListBox>(QStringLiteral("List4"))),
      m_paneA(std::make_unique<ClassicPane>(*Picture1, *List1, messages)),
      m_paneB(std::make_unique<ClassicPane>(*Picture3, *List2, messages)),
      m_paneC(std::make_unique<SectionPane>(*Picture2, List3)),
      // The task panes share List4, rebuilt from both after each redraw.
      m_paneD(std::make_unique<SectionPane>(*Picture4, nullptr)),
      m_paneE(std::make_unique<SectionPane>(*Picture14, nullptr)) {}

PreviewPanes::~PreviewPanes() = default;

void PreviewPanes::ShowDragon(const QString& script) {
    List3->Clear();
    m_paneC->RenderSectionText(FindSection(script, QString()));
}

void PreviewPanes::ShowTaskLog(const QString& script) {
    m_paneD->RenderSectionText(FindSection(script, QString()));
    RebuildTaskLinkList();
}

void PreviewPanes::ShowTaskDescription(const QString& script) {
    m_paneE->RenderSectionText(FindSection(script, QString()));
    RebuildTaskLinkList();
}

void PreviewPanes::RebuildTaskLinkList() {
    List4->Clear();
    for (const QString& text : m_paneD->LinkTexts())
        List4->AddItem(text);
    for (const QString& text : m_paneE->LinkTexts())
        List4->AddItem(text);
}

void PreviewPanes::FollowDragonLink(const QString& script) {
    FollowFirstLink(*m_paneC, script, *List3);
}
