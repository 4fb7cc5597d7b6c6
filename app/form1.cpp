#include "form1.h"

#include <QTabWidget>

#include "FontSetup.h"
#include "Layout.h"
#include "ListBox.h"
#include "PreviewPanes.h"
#include "Resources.h"
#include "TextBox.h"

namespace {

TextBox* NewEditor(QWidget* page, QRect twips, TextBox::ScrollBars bars) {
    auto* editor = new TextBox(page);
    Layout::PlaceTwips(editor, twips);
    editor->SetScrollBars(bars);
    return editor;
}

}  // namespace

form1::form1(bool withSamples, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Veltrane"));
    setFixedSize(Layout::TwipsToPixels(QSize(18540, 10605)));
    m_dialogTabs = new QTabWidget(this);
    Layout::PlaceTwips(m_dialogTabs, QRect(0, 720, 18540, 9885));
    CreatePreviews();
    BuildEditors();
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

void form1::CreatePreviews() {
    PreviewPanes::Pages pages;
    pages.classic = AddPage(QStringLiteral("传统对话框"));
    pages.dragon = AddPage(QStringLiteral("龙版对话框"));
    pages.large = AddPage(QStringLiteral("大图对话框"));
    pages.task = AddPage(QStringLiteral("任务对话框"));
    m_previews = std::make_unique<PreviewPanes>(pages, m_messages);
    Picture1 = m_previews->Picture1;
    Picture2 = m_previews->Picture2;
    Picture3 = m_previews->Picture3;
    Picture4 = m_previews->Picture4;
    Picture14 = m_previews->Picture14;
    List1 = m_previews->List1;
    List2 = m_previews->List2;
    List3 = m_previews->List3;
    List4 = m_previews->List4;
}

void form1::BuildEditors() {
    using Bars = TextBox::ScrollBars;
    Text1 = NewEditor(m_dialogTabs->widget(0), QRect(6720, 840, 10695, 7695), Bars::Both);
    Text2 = NewEditor(m_dialogTabs->widget(1), QRect(8880, 840, 9495, 7815), Bars::Both);
    Text3 = NewEditor(m_dialogTabs->widget(2), QRect(6960, 840, 10335, 7695), Bars::Both);
    QWidget* task = m_dialogTabs->widget(3);
    Text6 = NewEditor(task, QRect(5760, 1080, 11655, 3375), Bars::Both);
    Text7 = NewEditor(task, QRect(5640, 4920, 11655, 3495), Bars::None);
    Text7->setFont(FontSetup::MakeFont(QStringLiteral("新宋体"), 9));
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
    m_previews->ShowClassic(Text1->Text());
}

void form1::Text3_Change() {
    m_previews->ShowLarge(Text3->Text());
}

void form1::Text2_Change() {
    CodeString = Text2->Text();
    m_previews->ShowDragon(CodeString);
}

void form1::Text6_Change() {
    CodeString = Text6->Text();
    m_previews->ShowTaskLog(CodeString);
}

void form1::Text7_Change() {
    CodeString = Text7->Text();
    m_previews->ShowTaskDescription(CodeString);
}

void form1::List1_Click() {
    m_previews->SelectClassicSection(List1->ListIndex());
}

void form1::List2_Click() {
    m_previews->SelectLargeSection(List2->ListIndex());
}

void form1::List3_Click() {
    // Link targets are looked up in the dragon-style editor's own text.
    m_previews->FollowDragonLink(Text2->Text());
}
