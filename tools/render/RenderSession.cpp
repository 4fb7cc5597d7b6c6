#include "RenderSession.h"

#include "ListBox.h"
#include "MessageBoxRecorder.h"
#include "SectionPane.h"
#include "TextBox.h"
#include "TextFile.h"
#include "form1.h"

int RenderSession::Run() {
    const auto text = TextFile::ReadAnsi(m_options.file);
    if (!text) {
        std::fprintf(stderr, "veltrane-render: cannot read %s\n", qPrintable(m_options.file));
        return 1;
    }
    const MessageBoxRecorder messages(
        [](const MessageBox::Record& record) { Emit(QStringLiteral("message ") + record.text); });
    form1 window(false);

    using Pane = RenderOptions::Pane;
    TextBox* editor = nullptr;
    PictureBox* picture = nullptr;
    ListBox* sectionList = nullptr;
    switch (m_options.pane) {
        case Pane::Classic:
            editor = window.Text1, picture = window.Picture1, sectionList = window.List1;
            break;
        case Pane::Large:
            editor = window.Text3, picture = window.Picture3, sectionList = window.List2;
            break;
        case Pane::Dragon:
            editor = window.Text2, picture = window.Picture2;
            break;
        case Pane::TaskLog:
            editor = window.Text6, picture = window.Picture4;
            break;
        case Pane::TaskDesc:
            editor = window.Text7, picture = window.Picture14;
            break;
    }
    picture->SetObserver(this);
    WatchList(window.List1, QStringLiteral("List1"));
    WatchList(window.List2, QStringLiteral("List2"));
    WatchList(window.List3, QStringLiteral("List3"));
    WatchList(window.List4, QStringLiteral("List4"));
    WatchLinks(window);

    editor->SetText(*text);
    if (sectionList && m_options.select >= 0) sectionList->ClickRow(m_options.select);
    for (int i = 0; i < m_options.follow; ++i)
        window.List3->ClickRow(0);

    picture->SetObserver(nullptr);
    std::fflush(stdout);
    if (!m_options.png.isEmpty() && !picture->Image().save(m_options.png, "PNG")) {
        std::fprintf(stderr, "veltrane-render: cannot write %s\n", qPrintable(m_options.png));
        return 1;
    }
    return 0;
}

void RenderSession::OnCls() {
    Emit(QStringLiteral("clear"));
}

void RenderSession::OnText(int x, int y, quint32 colour, const QString& text) {
    Emit(QStringLiteral("text %1 %2 %3 %4")
             .arg(x)
             .arg(y)
             .arg(QString::asprintf("%06X", colour & 0xFFFFFFu), text));
}

void RenderSession::WatchList(ListBox* list, const QString& name) {
    QObject::connect(list, &ListBox::Cleared, [name] { Emit(QStringLiteral("list ") + name); });
    QObject::connect(list, &ListBox::ItemAdded, [name](const QString& row) {
        Emit(QStringLiteral("row ") + name + QLatin1Char(' ') + row);
    });
}

void RenderSession::WatchLinks(form1& window) {
    const auto print = [](const LinkRecord& link) {
        // One substitution pass, so a "%1" inside a target stays as it is.
        Emit(QStringLiteral("link %1 %2 %3 %4 %5")
                 .arg(link.Target, QString::number(link.X), QString::number(link.Y),
                      QString::number(link.Width), QString::number(link.Height)));
    };
    window.PaneC().SetLinkObserver(print);
    window.PaneD().SetLinkObserver(print);
    window.PaneE().SetLinkObserver(print);
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
