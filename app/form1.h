#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "MessageBoxSink.h"

class ListBox;
class PictureBox;
class PreviewPanes;
class QTabWidget;
class TextBox;

// The main window: a script editor and a preview for each dialogue style, with the section and
// link lists beside them.
class form1 : public QWidget {
    Q_OBJECT
public:
    // Without samples every editor starts empty (the headless renderer wants only its own text).
    explicit form1(bool withSamples = true, QWidget* parent = nullptr);
    ~form1() override;

    // The text of whichever section-engine editor changed last.
    QString CodeString;

    TextBox* Text1 = nullptr;
    TextBox* Text2 = nullptr;
    TextBox* Text3 = nullptr;
    TextBox* Text6 = nullptr;
    TextBox* Text7 = nullptr;
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    PictureBox* Picture3 = nullptr;
    PictureBox* Picture4 = nullptr;
    PictureBox* Picture14 = nullptr;
    ListBox* List1 = nullptr;
    ListBox* List2 = nullptr;
    ListBox* List3 = nullptr;
    ListBox* List4 = nullptr;

    // Event handlers, named after control and event.
    void Form_Load();
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text6_Change();
    void Text7_Change();
    void List1_Click();
    void List2_Click();
    void List3_Click();

private:
    QWidget* AddPage(const QString& caption);
    void BuildEditors();
    void CreatePreviews();
    void ConnectHandlers();
    void FillSamples();

    QTabWidget* m_dialogTabs = nullptr;
    MessageBoxSink m_messages;
    std::unique_ptr<PreviewPanes> m_previews;
};
