#include "MarkupReader.h"

#include "ClassicPen.h"
#include "ColorCode.h"
#include "ColorPalette.h"
#include "MessageSink.h"
#include "PreviewColors.h"
#include "Rounding.h"
#include "ScriptText.h"

namespace {

const QString kNoColorCode =
    QStringLiteral("“AUTOCOLOR或SCOLOR”没有输入颜色代码！请输入颜色代码！否则显示默认颜色。");
const QString kSpaceInColorCode = QStringLiteral("“AUTOCOLOR或SCOLOR”颜色格式错误！不能有空格！");
const QString kColorOutOfRange = QStringLiteral("颜色参数错误！请输入颜色参数（0-255）");

}  // namespace

MarkupReader::MarkupReader(ClassicPen& pen, MessageSink& messages)
    : m_pen(pen), m_messages(messages) {}

void MarkupReader::RenderLine(QStringView line) {
    const qsizetype length = line.size();
    for (qsizetype i = 0; i < length; ++i) {
        if (!ReadChar(line[i])) return;
    }
    // A tag that never closed is dropped.
}

bool MarkupReader::ReadChar(QChar ch) {
    if (ch == QLatin1Char('\\')) {
        m_pen.NewLine();
        return true;
    }
    switch (m_tagState) {
        case TagState::PlainText:
            ReadPlain(ch);
            break;
        case TagState::InTag:
            ReadInTag(ch);
            break;
        case TagState::AfterSlash:
            ReadAfterSlash(ch);
            break;
        case TagState::InColorCode:
            ReadColorCode(ch);
            break;
        case TagState::AfterComma:
            if (ch == QLatin1Char('>')) {
                DrawPendingRun(PreviewColors::kRed);
                return false;
            }
            break;
    }
    return true;
}

void MarkupReader::ReadPlain(QChar ch) {
    if (ch == QLatin1Char('<')) {
        m_tagState = TagState::InTag;
        return;
    }
    const QString& text = ScriptText::CharText(ch);
    m_pen.DrawRun(text, m_pen.X(), m_pen.Y(), PreviewColors::kWhite);
    m_pen.Advance(RoundHalfEven(m_pen.MeasureText(text)));
}

void MarkupReader::ReadInTag(QChar ch) {
    if (ch == QLatin1Char('>')) {
        DrawPendingRun(PreviewColors::kRed);
    } else if (ch == QLatin1Char('/')) {
        m_tagState = TagState::AfterSlash;
    } else {
        AppendToRun(ch);
    }
}

void MarkupReader::ReadAfterSlash(QChar ch) {
    if (ch == QLatin1Char('>')) {
        DrawPendingRun(m_runColor);
    } else if (ch == QLatin1Char('@')) {
        m_runColor = ColorPalette[kLinkColorCode];
    } else {
        m_tagKeyword += QString(ch).toUpper();
        if (m_tagKeyword == QLatin1String("AUTOCOLOR=")) m_tagState = TagState::InColorCode;
        if (m_tagKeyword == QLatin1String("SCOLOR=")) m_tagState = TagState::InColorCode;
    }
}

void MarkupReader::ReadColorCode(QChar ch) {
    if (ch == QLatin1Char('>')) {
        CloseColorTag();
    } else if (ch == QLatin1Char(',')) {
        m_tagState = TagState::AfterComma;
    } else {
        m_colorDigits += ch;
    }
}

void MarkupReader::CloseColorTag() {
    if (ColorCode::LeadingValue(m_colorDigits) == 0) {
        DrawPendingRun(PreviewColors::kRed);
        m_messages.ShowMessage(kNoColorCode);
        return;
    }
    // The two faults below leave the tag open: what follows is read as more of the code.
    if (m_colorDigits.contains(QLatin1Char(' '))) {
        m_colorDigits.remove(QLatin1Char(' '));
        m_messages.ShowMessage(kSpaceInColorCode);
        return;
    }
    const auto index =
        m_colorDigits.size() <= 3 ? ColorCode::PaletteIndex(m_colorDigits) : std::nullopt;
    if (!index) {
        m_messages.ShowMessage(kColorOutOfRange);
        return;
    }
    m_runColor = ColorPalette[size_t(*index)];
    DrawPendingRun(m_runColor);
}

void MarkupReader::AppendToRun(QChar ch) {
    const QString& text = ScriptText::CharText(ch);
    m_runText += text;
    m_runWidth += RoundHalfEven(m_pen.MeasureText(text));
}

void MarkupReader::DrawPendingRun(quint32 color) {
    m_pen.DrawRun(m_runText, m_pen.X(), m_pen.Y(), color);
    m_pen.Advance(m_runWidth);
    m_runText.clear();
    m_runWidth = 0;
    m_tagState = TagState::PlainText;
}
