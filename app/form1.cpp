#include "form1.h"

#include "FileActions.h"
#include "Label.h"
#include "ListBox.h"
#include "LoadedForm.h"
#include "NoticePreview.h"
#include "PictureBox.h"
#include "PreviewPanes.h"
#include "Resources.h"
#include "TextBox.h"
#include "TitlePreview.h"
#include "YCommand.h"
#include "safetabs.h"
#include "xButton.h"

form1::form1(bool withSamples, QWidget* parent) : QWidget(parent) {
    m_form = std::make_unique<LoadedForm>(StoredForm::FromResource(QStringLiteral("form1")), this);
    m_previews = std::make_unique<PreviewPanes>(*m_form, m_messages);
    FindControls();
    ConnectHandlers();
    ConnectFileButtons();
    if (withSamples) FillSamples();
    Form_Load();
}

form1::~form1() = default;

void form1::FindControls() {
    LoadedForm& form = *m_form;
    safetabs1 = form.Require<safetabs>(QStringLiteral("safetabs1"));
    safetabs2 = form.Require<safetabs>(QStringLiteral("safetabs2"));
    Text1 = form.Require<TextBox>(QStringLiteral("Text1"));
    Text2 = form.Require<TextBox>(QStringLiteral("Text2"));
    Text3 = form.Require<TextBox>(QStringLiteral("Text3"));
    Text4 = form.Require<TextBox>(QStringLiteral("Text4"));
    Text5 = form.Require<TextBox>(QStringLiteral("Text5"));
    Text6 = form.Require<TextBox>(QStringLiteral("Text6"));
    Text7 = form.Require<TextBox>(QStringLiteral("Text7"));
    Picture1 = m_previews->Picture1;
    Picture2 = m_previews->Picture2;
    Picture3 = m_previews->Picture3;
    Picture4 = m_previews->Picture4;
    Picture14 = m_previews->Picture14;
    Picture6 = form.Require<PictureBox>(QStringLiteral("Picture6"));
    Picture7 = form.Require<PictureBox>(QStringLiteral("Picture7"));
    List1 = m_previews->List1;
    List2 = m_previews->List2;
    List3 = m_previews->List3;
    List4 = m_previews->List4;
    Label14 = form.Require<Label>(QStringLiteral("Label14"));
    xButton3 = form.Require<xButton>(QStringLiteral("xButton3"));
}

void form1::ConnectHandlers() {
    connect(Text1, &TextBox::Change, this, &form1::Text1_Change);
    connect(Text2, &TextBox::Change, this, &form1::Text2_Change);
    connect(Text3, &TextBox::Change, this, &form1::Text3_Change);
    connect(Text4, &TextBox::Change, this, &form1::Text4_Change);
    connect(Text6, &TextBox::Change, this, &form1::Text6_Change);
    connect(Text7, &TextBox::Change, this, &form1::Text7_Change);
    connect(List1, &ListBox::Click, this, &form1::List1_Click);
    connect(List2, &ListBox::Click, this, &form1::List2_Click);
    connect(List3, &ListBox::Click, this, &form1::List3_Click);
    connect(xButton3, &xButton::Click, this, &form1::xButton3_Click);
}

void form1::ConnectFileButtons() {
    // Each editor with its open and save buttons.
    const struct {
        const char* open;
        const char* save;
        TextBox* editor;
    } pairs[] = {{"YCommand1", "YCommand2", Text1},
                 {"YCommand5", "YCommand6", Text2},
                 {"YCommand9", "YCommand10", Text3},
                 {"YCommand3", "YCommand4", Text4}};
    for (const auto& pair : pairs) {
        TextBox* editor = pair.editor;
        connect(m_form->Require<YCommand>(QString::fromLatin1(pair.open)), &YCommand::Click, this,
                [editor] { OpenIntoEditor(*editor); });
        connect(m_form->Require<YCommand>(QString::fromLatin1(pair.save)), &YCommand::Click, this,
                [editor] { SaveFromEditor(*editor); });
    }
}

void form1::FillSamples() {
    // Filled before the handlers run, so the load handler draws each preview once.
    for (TextBox* editor : {Text1, Text2, Text3, Text4, Text5, Text6, Text7}) {
        const QSignalBlocker blocker(editor);
        editor->SetText(Resources::SampleText(editor->objectName()));
    }
}

void form1::Form_Load() {
    Label14->SetCaption(QString());
    Text1_Change();
    Text2_Change();
    Text3_Change();
    Text4_Change();
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

void form1::Text4_Change() {
    ShowNotice(*Picture6, Text4->Text());
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

void form1::xButton3_Click() {
    PreviewTitle(Text5->Text(), *Label14);
}
