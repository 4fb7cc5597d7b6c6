#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "MessageBoxSink.h"

class Label;
class ListBox;
class LoadedForm;
class PictureBox;
class PreviewPanes;
class TextBox;
class YCommand;
class safetabs;
class xButton;

// The main window: a script editor and a preview for each dialogue style, with the section and
// link lists beside them, a title preview and a notice editor. Its controls come from its
// stored data.
class form1 : public QWidget {
    Q_OBJECT
public:
    // Without samples every editor starts empty (the headless renderer and benchmarks want only
    // their own text).
    explicit form1(bool withSamples = true, QWidget* parent = nullptr);
    ~form1() override;

    // The text of whichever section-engine editor changed last.
    QString CodeString;

    safetabs* safetabs1 = nullptr;
    safetabs* safetabs2 = nullptr;
    TextBox* Text1 = nullptr;
    TextBox* Text2 = nullptr;
    TextBox* Text3 = nullptr;
    TextBox* Text4 = nullptr;
    TextBox* Text5 = nullptr;
    TextBox* Text6 = nullptr;
    TextBox* Text7 = nullptr;
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    PictureBox* Picture3 = nullptr;
    PictureBox* Picture4 = nullptr;
    PictureBox* Picture6 = nullptr;
    PictureBox* Picture7 = nullptr;
    PictureBox* Picture14 = nullptr;
    ListBox* List1 = nullptr;
    ListBox* List2 = nullptr;
    ListBox* List3 = nullptr;
    ListBox* List4 = nullptr;
    Label* Label14 = nullptr;
    xButton* xButton3 = nullptr;

    // Every control of the window by name, as its stored data built them.
    const LoadedForm& Controls() const { return *m_form; }

    // Event handlers, named after control and event.
    void Form_Load();
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();
    void Text6_Change();
    void Text7_Change();
    void List1_Click();
    void List2_Click();
    void List3_Click();
    void xButton3_Click();

private:
    void FindControls();
    void ConnectHandlers();
    void ConnectFileButtons();
    void FillSamples();

    std::unique_ptr<LoadedForm> m_form;
    MessageBoxSink m_messages;
    std::unique_ptr<PreviewPanes> m_previews;
};
