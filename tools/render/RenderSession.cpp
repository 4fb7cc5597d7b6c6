#include "RenderSession.h"

#include <cstdio>

#include "Label.h"
#include "ListBox.h"
#include "LoadedForm.h"
#include "MessageBoxRecorder.h"
#include "MessageBoxSink.h"
#include "NoticePreview.h"
#include "PictureBox.h"
#include "PreviewPanes.h"
#include "TextBox.h"
#include "TextFile.h"
#include "TitlePreview.h"
#include "xButton.h"

int RenderSession::Run() {
    const auto text = TextFile::ReadAnsi(m_options.file);
    if (!text) {
        std::fprintf(stderr, "veltrane-render: cannot read %s\n", qPrintable(m_options.file));
        return 1;
    }
    const MessageBoxRecorder messages(
        [](const MessageBox::Record& record) { Emit(QStringLiteral("message ") + record.text); });
    MessageBoxSink sink;
    // The previews as the window's stored data builds them, on a window that is never shown.
    QWidget window;
    LoadedForm form(StoredForm::FromResource(QStringLiteral("form1")), &window);
    PreviewPanes previews(form, sink);
    Label* const title = form.Require<Label>(QStringLiteral("Label14"));
    xButton* const titleButton = form.Require<xButton>(QStringLiteral("xButton3"));
    PictureBox* picture = PictureOf(previews, form, m_options.pane);
    WatchPicture(picture);
    WatchList(previews.List1, QStringLiteral("List1"));
    WatchList(previews.List2, QStringLiteral("List2"));
    WatchList(previews.List3, QStringLiteral("List3"));
    WatchList(previews.List4, QStringLiteral("List4"));
    WatchLinks(previews.Dragon());
    WatchLinks(previews.TaskLog());
    WatchLinks(previews.TaskDescription());

    // The file goes through an editor as the program's open action puts it there, and the
    // editor's change and the list clicks do what the main window's handlers do.
    TextBox editor;
    QObject::connect(&editor, &TextBox::Change, [&] {
        using Pane = RenderOptions::Pane;
        switch (m_options.pane) {
            case Pane::Classic:
                return previews.ShowClassic(editor.Text());
            case Pane::Large:
                return previews.ShowLarge(editor.Text());
            case Pane::Dragon:
                return previews.ShowDragon(editor.Text());
            case Pane::TaskLog:
                return previews.ShowTaskLog(editor.Text());
            case Pane::TaskDesc:
                return previews.ShowTaskDescription(editor.Text());
            case Pane::Notice:
                return ShowNotice(*picture, editor.Text());
            case Pane::Title:
                return;
        }
    });
    // The title is shown by its button, as in the window; the label's lines are reported after.
    QObject::connect(titleButton, &xButton::Click, [&] { PreviewTitle(editor.Text(), *title); });
    QObject::connect(previews.List1, &ListBox::Click,
                     [&] { previews.SelectClassicSection(previews.List1->ListIndex()); });
    QObject::connect(previews.List2, &ListBox::Click,
                     [&] { previews.SelectLargeSection(previews.List2->ListIndex()); });
    QObject::connect(previews.List3, &ListBox::Click,
                     [&] { previews.FollowDragonLink(editor.Text()); });

    editor.SetText(*text);
    if (m_options.pane == RenderOptions::Pane::Title) {
        title->SetCaption(QString());
        emit titleButton->Click();
        EmitLabelLines(*title);
    }
    ListBox* sectionList = m_options.pane == RenderOptions::Pane::Classic ? previews.List1
                           : m_options.pane == RenderOptions::Pane::Large ? previews.List2
                                                                          : nullptr;
    if (sectionList && m_options.select >= 0) sectionList->ClickRow(m_options.select);
    for (int i = 0; i < m_options.follow; ++i)
        previews.List3->ClickRow(0);

    QObject::disconnect(picture, nullptr, nullptr, nullptr);
    std::fflush(stdout);
    // The title label lies over its picture as a window of its own.
    const QImage shown = m_options.pane == RenderOptions::Pane::Title
                             ? picture->grab(picture->rect()).toImage()
                             : picture->Image();
    if (!m_options.png.isEmpty() && !shown.save(m_options.png, "PNG")) {
        std::fprintf(stderr, "veltrane-render: cannot write %s\n", qPrintable(m_options.png));
        return 1;
    }
    return 0;
}

PictureBox* RenderSession::PictureOf(const PreviewPanes& previews, LoadedForm& form,
                                     RenderOptions::Pane pane) {
    using Pane = RenderOptions::Pane;
    switch (pane) {
        case Pane::Classic:
            return previews.Picture1;
        case Pane::Large:
            return previews.Picture3;
        case Pane::Dragon:
            return previews.Picture2;
        case Pane::TaskLog:
            return previews.Picture4;
        case Pane::TaskDesc:
            return previews.Picture14;
        case Pane::Notice:
            return form.Require<PictureBox>(QStringLiteral("Picture6"));
        case Pane::Title:
            return form.Require<PictureBox>(QStringLiteral("Picture7"));
    }
    return previews.Picture1;
}

void RenderSession::WatchPicture(PictureBox* picture) {
    QObject::connect(picture, &PictureBox::Cleared, [] { Emit(QStringLiteral("clear")); });
    QObject::connect(picture, &PictureBox::TextPrinted,
                     [](int x, int y, quint32 color, const QString& text) {
                         Emit(QStringLiteral("text %1 %2 %3 %4")
                                  .arg(x)
                                  .arg(y)
                                  .arg(QString::asprintf("%06X", color & 0xFFFFFFu), text));
                     });
}

void RenderSession::EmitLabelLines(const Label& label) {
    QStringList lines = label.Caption().split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty()) lines.removeLast();
    for (const QString& line : lines)
        Emit(QStringLiteral("label ") + line);
}

void RenderSession::WatchList(ListBox* list, const QString& name) {
    QObject::connect(list, &ListBox::Cleared, [name] { Emit(QStringLiteral("list ") + name); });
    QObject::connect(list, &ListBox::ItemAdded, [name](const QString& row) {
        Emit(QStringLiteral("row ") + name + QLatin1Char(' ') + row);
    });
}

void RenderSession::WatchLinks(const SectionPane& pane) {
    QObject::connect(&pane, &SectionPane::LinkAdded, [](const LinkRecord& link) {
        // One substitution pass, so a "%1" inside a target stays as it is.
        Emit(QStringLiteral("link %1 %2 %3 %4 %5")
                 .arg(link.Target, QString::number(link.X), QString::number(link.Y),
                      QString::number(link.Width), QString::number(link.Height)));
    });
}

QString RenderSession::Escaped(const QString& text) {
    QString escaped = text;
    escaped.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return escaped;
}

void RenderSession::Emit(const QString& line) {
    const QByteArray bytes = Escaped(line).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}
