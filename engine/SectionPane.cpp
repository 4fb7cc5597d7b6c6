#include "SectionPane.h"

#include "ForwardSearch.h"
#include "ListTarget.h"
#include "PreviewColors.h"
#include "PrintTarget.h"
#include "Rounding.h"
#include "ScriptText.h"

SectionPane::SectionPane(PrintTarget& picture, ListTarget* linkList)
    : m_picture(picture), m_linkList(linkList) {}

QString SectionPane::PrepareText(const QString& sectionText) {
    // In one pass: every "#IF" CR LF "#say" goes (left to right, as found in the text), CR and
    // LF go, and each backslash becomes CR LF, the only line breaks from here on.
    const QStringView ifSay = u"#IF\r\n#say";
    const QStringView text(sectionText);
    QString s(text.size() + text.count(QLatin1Char('\\')), Qt::Uninitialized);
    QChar* out = s.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QLatin1Char('#') && text.sliced(i).startsWith(ifSay)) {
            i += ifSay.size() - 1;
        } else if (ch == QLatin1Char('\\')) {
            *out++ = QLatin1Char('\r');
            *out++ = QLatin1Char('\n');
        } else if (ch != QLatin1Char('\r') && ch != QLatin1Char('\n')) {
            *out++ = ch;
        }
    }
    s.truncate(out - s.constData());
    return s;
}

void SectionPane::RenderSectionText(const QString& sectionText) {
    m_picture.Cls();
    const QString s = PrepareText(sectionText);
    m_links.Reset();
    m_linkTexts.clear();
    const QStringView view(s);
    ForwardSearch closeBracket(view, QLatin1Char(']'));
    ForwardSearch closeTag(view, QLatin1Char('>'));
    const qsizetype len = view.size();
    for (qsizetype i = 0; i < len; ++i) {
        const QChar ch = view[i];
        const QChar next = i + 1 < len ? view[i + 1] : QChar();
        if (ch == QLatin1Char('[') && next == QLatin1Char('@')) {
            // A section header prints nothing; a line break right after it is swallowed.
            const qsizetype close = closeBracket.From(i);
            if (close < 0) continue;
            i = close;
            m_picture.SetForeColor(PreviewColors::kWhite);
            if (i + 1 < len && view[i + 1] == QLatin1Char('\r')) i += 2;
        } else if (ch == QLatin1Char('<')) {
            const qsizetype close = closeTag.From(i);
            if (close < 0) continue;
            PrintTag(view.mid(i + 1, close - i - 1));
            i = close;
            m_picture.SetForeColor(PreviewColors::kWhite);
        } else if (ch == QLatin1Char('\r') && next == QLatin1Char('\n')) {
            m_picture.PrintNewLine();
            ++i;
        } else {
            m_picture.Print(ScriptText::CharText(ch), true);
        }
    }
}

void SectionPane::PrintTag(QStringView tag) {
    const qsizetype link = tag.indexOf(QLatin1String("/@"));
    if (link >= 0) {
        PrintLink(tag.left(link), tag.mid(link + 2));
        return;
    }
    const qsizetype at = tag.indexOf(QLatin1Char('@'));
    m_picture.SetForeColor(PreviewColors::kRed);
    m_picture.Print((at >= 0 ? tag.left(at) : tag).toString(), true);
}

void SectionPane::PrintLink(QStringView text, QStringView target) {
    const QString linkText = text.toString();
    AddLink(RoundHalfEven(m_picture.CurrentX()), RoundHalfEven(m_picture.CurrentY()),
            RoundHalfEven(m_picture.TextWidth(linkText)),
            RoundHalfEven(m_picture.TextHeight(linkText)), target.toString());
    m_picture.SetForeColor(PreviewColors::kLinkYellow);
    m_picture.Print(linkText, true);
    m_linkTexts.append(linkText);
    if (m_linkList) m_linkList->AddItem(linkText);
}

void SectionPane::AddLink(qint32 x, qint32 y, qint32 width, qint32 height, const QString& target) {
    m_links.AddLink(x, y, width, height, target);
    emit LinkAdded(m_links[m_links.LastIndex()]);
}
