#include "PreviewPanes.h"

#include "Colors.h"
#include "DialogPictures.h"
#include "FindSection.h"
#include "FontSetup.h"
#include "Layout.h"
#include "ListBox.h"
#include "Navigation.h"
#include "PictureBox.h"
#include "PreviewColors.h"

namespace {

// A preview box at its place on the page (twips), with its background picture.
PictureBox* NewPicture(QWidget* page, QRect twips, const QImage& picture) {
    auto* box = new PictureBox(page);
    Layout::PlaceTwips(box, twips);
    box->SetBoxSize(box->size());
    box->SetPicture(picture);
    return box;
}

ListBox* NewList(QWidget* page, QRect twips) {
    auto* list = new ListBox(page);
    Layout::PlaceTwips(list, twips);
    return list;
}

QFont PreviewFont() {
    return FontSetup::MakeFont(QStringLiteral("新宋体"), 9);
}

}  // namespace

PreviewPanes::PreviewPanes(const Pages& pages, MessageSink& messages) {
    if (!pages.classic || !pages.dragon || !pages.large || !pages.task)
        m_ownPage = std::make_unique<QWidget>();
    BuildPictures(pages);
    BuildLists(pages);
    m_paneA = std::make_unique<ClassicPane>(*Picture1, *List1, messages);
    m_paneB = std::make_unique<ClassicPane>(*Picture3, *List2, messages);
    m_paneC = std::make_unique<SectionPane>(*Picture2, List3);
    // The task panes share List4, rebuilt from both after each redraw.
    m_paneD = std::make_unique<SectionPane>(*Picture4, nullptr);
    m_paneE = std::make_unique<SectionPane>(*Picture14, nullptr);
}

PreviewPanes::~PreviewPanes() = default;

void PreviewPanes::BuildPictures(const Pages& pages) {
    QWidget* const own = m_ownPage.get();
    Picture1 = NewPicture(pages.classic ? pages.classic : own, QRect(360, 960, 6015, 2655),
                          DialogPictures::Classic());
    Picture1->SetPrintFont(PreviewFont());

    Picture2 = NewPicture(pages.dragon ? pages.dragon : own, QRect(240, 840, 8295, 5225),
                          DialogPictures::Dragon());
    Picture2->SetOrigin(QPoint(20, 20));
    Picture2->SetForeColor(Colors::TranslateColor(Colors::kWindowText));

    Picture3 = NewPicture(pages.large ? pages.large : own, QRect(240, 840, 6015, 5205),
                          DialogPictures::Large());

    // The description box lies behind the shorter log box, which covers its upper part.
    QWidget* const task = pages.task ? pages.task : own;
    Picture14 = NewPicture(task, QRect(240, 840, 4935, 5895), DialogPictures::Task());
    Picture14->SetOrigin(QPoint(25, 220));
    Picture14->SetPrintFont(PreviewFont());
    Picture14->SetForeColor(PreviewColors::kWhite);
    Picture4 = NewPicture(task, QRect(240, 840, 4935, 2895), DialogPictures::Task());
    Picture4->SetOrigin(QPoint(25, 50));
    Picture4->SetForeColor(PreviewColors::kWhite);
}

void PreviewPanes::BuildLists(const Pages& pages) {
    QWidget* const own = m_ownPage.get();
    List1 = NewList(pages.classic ? pages.classic : own, QRect(2520, 5535, 3720, 3090));
    List3 = NewList(pages.dragon ? pages.dragon : own, QRect(4320, 6720, 3975, 1830));
    List2 = NewList(pages.large ? pages.large : own, QRect(2160, 6840, 4215, 1830));
    List4 = NewList(pages.task ? pages.task : own, QRect(1920, 7200, 975, 390));
}

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
