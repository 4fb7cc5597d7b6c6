#pragma once

#include <QString>
#include <QStringView>

class ClassicPen;
class MessageSink;

// Reads the dialogue markup of one script line for a classic pane and draws it with the pane's
// pen: plain characters one by one in white, tag runs in one piece when the tag closes, a
// backslash starting a new visual line. All state but the pen lives for one line.
class MarkupReader {
public:
    enum class TagState { PlainText, InTag, AfterSlash, InColorCode, AfterComma };

    static constexpr int kLinkColorCode = 151;

    MarkupReader(ClassicPen& pen, MessageSink& messages);

    void RenderLine(QStringView line);

private:
    // Returns false when the rest of the line is not to be read.
    bool ReadChar(QChar ch);
    void ReadPlain(QChar ch);
    void ReadInTag(QChar ch);
    void ReadAfterSlash(QChar ch);
    void ReadColorCode(QChar ch);
    void CloseColorTag();
    void AppendToRun(QChar ch);
    void DrawPendingRun(quint32 color);

    ClassicPen& m_pen;
    MessageSink& m_messages;
    TagState m_tagState = TagState::PlainText;
    QString m_runText;
    qint32 m_runWidth = 0;
    QString m_tagKeyword;
    QString m_colorDigits;
    quint32 m_runColor = 0;
};
