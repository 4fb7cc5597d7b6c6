#include "MarkupReader.h"

#include "ClassicPane.h"
#include "ColorPalette.h"
#include "ColourCode.h"
#include "MessageSink.h"
#include "Rounding.h"
#include "ScriptText.h"

namespace {

const QString kNoColourCode =
    QStringLiteral("“AUTOCOLOR或SCOLOR”没有输入颜色代码！请输入颜色代码！否则显示默认颜色。");
const QString kSpaceInColourCode = QStringLiteral("“AUTOCOLOR或SCOLOR”颜色格式错误！不能有空格！");
const QString kColourOutOfRange = QStringLiteral("颜色参数错误！请输入颜色参数（0-255）");

}  // namespace

MarkupReader::MarkupReader(ClassicPane& pane) : m_pane(pane) {}

void MarkupReader::RenderLine(QStringView line) {
    if (line.isEmpty()) return;
    if (ScriptText::UpperStartsWith(line, QLatin1String("GOTO @"))) {
        m_pane.GotoSection(line.mid(line.indexOf(QLatin1Char('@')) + 1));
        return;
    }
    const qsizetype length = line.size();
    for (qsizetype i = 0; i < length; ++i) {
        if (!ReadChar(line[i])) return;
    }
    // A tag that never closed is dropped.
}

bool MarkupReader::ReadChar(QChar ch) {
    ClassicPaneState& state = m_pane.State();
    if (ch == QLatin1Char('\\')) {
        state.PenX = ClassicPane::kStartX;
        state.PenY += ClassicPane::kLineStep;
        return true;
    }
    switch (m_tagState) {
        case PlainText:
            ReadPlain(ch);
            break;
        case InTag:
            ReadInTag(ch);
            break;
        case AfterSlash:
            ReadAfterSlash(ch);
            break;
        case InColourCode:
            ReadColourCode(ch);
            break;
        case AfterComma:
            if (ch == QLatin1Char('>')) {
                DrawPendingRun(kRed);
                return false;
            }
            break;
    }
    return true;
}

void MarkupReader::ReadPlain(QChar ch) {
    if (ch == QLatin1Char('<')) {
        m_tagState = InTag;
        return;
    }
    ClassicPaneState& state = m_pane.State();
    const QString& text = ScriptText::CharText(ch);
    m_pane.DrawRun(text, state.PenX, state.PenY, kWhite);
    state.PenX += RoundHalfEven(m_pane.MeasureText(text));
}

void MarkupReader::ReadInTag(QChar ch) {
    if (ch == QLatin1Char('>')) {
        DrawPendingRun(kRed);
    } else if (ch == QLatin1Char('/')) {
        m_tagState = AfterSlash;
    } else {
        AppendToRun(ch);
    }
}

void MarkupReader::ReadAfterSlash(QChar ch) {
    if (ch == QLatin1Char('>')) {
        DrawPendingRun(m_runColour);
    } else if (ch == QLatin1Char('@')) {
        m_runColour = ColorPalette[kLinkColourCode];
    } else {
        m_tagKeyword += QString(ch).toUpper();
        if (m_tagKeyword == QLatin1String("AUTOCOLOR=")) m_tagState = InColourCode;
        if (m_tagKeyword == QLatin1String("SCOLOR=")) m_tagState = InColourCode;
    }
}

void MarkupReader::ReadColourCode(QChar ch) {
    if (ch == QLatin1Char('>')) {
        CloseColourTag();
    } else if (ch == QLatin1Char(',')) {
        m_tagState = AfterComma;
    } else {
        m_colourDigits += ch;
    }
}

void MarkupReader::CloseColourTag() {
    if (ColourCode::LeadingValue(m_colourDigits) == 0) {
        DrawPendingRun(kRed);
        m_pane.Messages().ShowMessage(kNoColourCode);
        return;
    }
    // The two faults below leave the tag open: what follows is read as more of the code.
    if (m_colourDigits.contains(QLatin1Char(' '))) {
        m_colourDigits.remove(QLatin1Char(' '));
        m_pane.Messages().ShowMessage(kSpaceInColourCode);
        return;
    }
    const auto index =
        m_colourDigits.size() <= 3 ? ColourCode::PaletteIndex(m_colourDigits) : std::nullopt;
    if (!index) {
        m_pane.Messages().ShowMessage(kColourOutOfRange);
        return;
    }
    m_runColour = ColorPalette[size_t(*index)];
    DrawPendingRun(m_runColour);
}

void MarkupReader::AppendToRun(QChar ch) {
    const QString& text = ScriptText::CharText(ch);
    m_runText += text;
    m_runWidth += RoundHalfEven(m_pane.MeasureText(text));
}

void MarkupReader::DrawPendingRun(quint32 colour) {
    ClassicPaneState& state = m_pane.State();
    m_pane.DrawRun(m_runText, state.PenX, state.PenY, colour);
    state.PenX += m_runWidth;
    m_runText.clear();
    m_runWidth = 0;
    m_tagState = PlainText;
}
