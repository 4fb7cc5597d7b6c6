#include "form1.h"

#include <QTabWidget>

#include "ClassicPane.h"
#include "Colors.h"
#include "DialogPictures.h"
#include "FindSection.h"
#include "FontSetup.h"
#include "Layout.h"
#include "ListBox.h"
#include "Navigation.h"
#include "PictureBox.h"
#include "Resources.h"
#include "SectionPane.h"
#include "TextBox.h"

namespace {

constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kWindowText = Colors::kWindowText;

PictureBox* NewPicture(QWidget* page, QRect twips, QSize picture) {
    auto* box = new PictureBox(page);
    Layout::PlaceTwips(box, twips);
    box->SetBoxSize(box->size());
    box->SetPicture(DialogPictures::PlainDialog(picture));
    return box;
}

TextBox* NewEditor(QWidget* page, QRect twips, TextBox::ScrollBars bars) {
    auto* editor = new TextBox(page);
    Layout::PlaceTwips(editor, twips);
    editor->SetScrollBars(bars);
    return editor;
}

ListBox* NewList(QWidget* page, QRect twips) {
    auto* list = new ListBox(page);
    Layout::PlaceTwips(list, twips);
    return list;
}

}  // namespace

form1::form1(bool withSamples, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Veltrane"));
    setFixedSize(Layout::TwipsToPixels(QSize(18540, 10605)));
    m_dialogTabs = new QTabWidget(this);
    Layout::PlaceTwips(m_dialogTabs, QRect(0, 720, 18540, 9885));
    BuildClassicTab();
    BuildDragonTab();
    BuildLargeTab();
    BuildTaskTab();
    CreatePanes();
    ConnectHandlers();
    if (withSamples) FillSamples();
    Form_Load();
}

form1::~form1() = default;

QWidget* form1::AddPage(const QString& caption) {
    auto* page = new QWidget(m_dialogTabs);
    m_dialogTabs->addTab(page, caption);
    return page;
}

void form1::BuildClassicTab() {
    QWidget* page = AddPage(QStringLiteral("传统对话框"));
    Picture1 = NewPicture(page, QRect(360, 960, 6015, 2655), QSize(416, 176));
    Picture1->SetPrintFont(FontSetup::MakeFont(QStringLiteral("新宋体"), 9));
    Text1 = NewEditor(page, QRect(6720, 840, 10695, 7695), TextBox::ScrollBars::Both);
    List1 = NewList(page, QRect(2520, 5535, 3720, 3090));
}

void form1::BuildDragonTab() {
    QWidget* page = AddPage(QStringLiteral("龙版对话框"));
    Picture2 = NewPicture(page, QRect(240, 840, 8295, 5225), QSize(568, 347));
    Picture2->SetOrigin(QPoint(20, 20));
    Picture2->SetForeColor(Colors::TranslateColor(kWindowText));
    Text2 = NewEditor(page, QRect(8880, 840, 9495, 7815), TextBox::ScrollBars::Both);
    List3 = NewList(page, QRect(4320, 6720, 3975, 1830));
}

void form1::BuildLargeTab() {
    QWidget* page = AddPage(QStringLiteral("大图对话框"));
    Picture3 = NewPicture(page, QRect(240, 840, 6015, 5205), QSize(416, 347));
    Text3 = NewEditor(page, QRect(6960, 840, 10335, 7695), TextBox::ScrollBars::Both);
    List2 = NewList(page, QRect(2160, 6840, 4215, 1830));
}

void form1::BuildTaskTab() {
    QWidget* page = AddPage(QStringLiteral("任务对话框"));
    // The description box lies behind the shorter log box, which covers its upper part.
    Picture14 = NewPicture(page, QRect(240, 840, 4935, 5895), QSize(328, 385));
    Picture14->SetOrigin(QPoint(25, 220));
    Picture14->SetPrintFont(FontSetup::MakeFont(QStringLiteral("新宋体"), 9));
    Picture14->SetForeColor(kWhite);
    Picture4 = NewPicture(page, QRect(240, 840, 4935, 2895), QSize(328, 385));
    Picture4->SetOrigin(QPoint(25, 50));
    Picture4->SetForeColor(kWhite);
    Text6 = NewEditor(page, QRect(5760, 1080, 11655, 3375), TextBox::ScrollBars::Both);
    Text7 = NewEditor(page, QRect(5640, 4920, 11655, 3495), TextBox::ScrollBars::None);
    Text7->setFont(FontSetup::MakeFont(QStringLiteral("新宋体"), 9));
    List4 = NewList(page, QRect(1920, 7200, 975, 390));
}

void form1::CreatePanes() {
    m_paneA = std::make_unique<ClassicPane>(*Picture1, *List1, m_messages);
    m_paneB = std::make_unique<ClassicPane>(*Picture3, *List2, m_messages);
    m_paneC = std::make_unique<SectionPane>(*Picture2, List3);
    // The task panes share List4, rebuilt from both after each redraw.
    m_paneD = std::make_unique<SectionPane>(*Picture4, nullptr);
    m_paneE = std::make_unique<SectionPane>(*Picture14, nullptr);
}

void form1::ConnectHandlers() {
    connect(Text1, &TextBox::Change, this, &form1::Text1_Change);
    connect(Text2, &TextBox::Change, this, &form1::Text2_Change);
    connect(Text3, &TextBox::Change, this, &form1::Text3_Change);
    connect(Text6, &TextBox::Change, this, &form1::Text6_Change);
    connect(Text7, &TextBox::Change, this, &form1::Text7_Change);
    connect(List1, &ListBox::Click, this, &form1::List1_Click);
    connect(List2, &ListBox::Click, this, &form1::List2_Click);
    connect(List3, &ListBox::Click, this, &form1::List3_Click);
}

void form1::FillSamples() {
    // Filled before the handlers run, so the load handler draws each preview once.
    const QSignalBlocker b1(Text1), b2(Text2), b3(Text3), b6(Text6), b7(Text7);
    Text1->SetText(Resources::SampleText(QStringLiteral("Text1")));
    Text2->SetText(Resources::SampleText(QStringLiteral("Text2")));
    Text3->SetText(Resources::SampleText(QStringLiteral("Text3")));
    Text6->SetText(Resources::SampleText(QStringLiteral("Text6")));
    Text7->SetText(Resources::SampleText(QStringLiteral("Text7")));
}

void form1::Form_Load() {
    Text1_Change();
    Text2_Change();
    Text3_Change();
    Text6_Change();
    Text7_Change();
}

void form1::Text1_Change() {
    m_paneA->ParseScript(Text1->Text());
}

void form1::Text3_Change() {
    m_paneB->ParseScript(Text3->Text());
}

void form1::Text2_Change() {
    List3->Clear();
    CodeString = Text2->Text();
    m_paneC->RenderSectionText(FindSection(CodeString, QString()));
}

void form1::Text6_Change() {
    CodeString = Text6->Text();
    m_paneD->RenderSectionText(FindSection(CodeString, QString()));
    RebuildTaskLinkList();
}

void form1::Text7_Change() {
    CodeString = Text7->Text();
    m_paneE->RenderSectionText(FindSection(CodeString, QString()));
    RebuildTaskLinkList();
}

void form1::RebuildTaskLinkList() {
    List4->Clear();
    for (const QString& text : m_paneD->LinkTexts())
        List4->AddItem(text);
    for (const QString& text : m_paneE->LinkTexts())
        List4->AddItem(text);
}

void form1::List1_Click() {
    m_paneA->RenderSection(List1->ListIndex());
}

void form1::List2_Click() {
    m_paneB->RenderSection(List2->ListIndex());
}

void form1::List3_Click() {
    FollowFirstLink(*m_paneC, Text2->Text(), *List3);
}
