#pragma once

#include <QString>
#include <QStringView>

class ClassicPane;

// Reads the dialogue markup of one script line for a classic pane and draws it: plain
// characters one by one in white, tag runs in one piece when the tag closes, a backslash
// starting a new visual line. All state but the pane's pen lives for one line.
class MarkupReader {
public:
    enum TagState { PlainText = 0, InTag = 1, AfterSlash = 2, InColourCode = 3, AfterComma = 4 };

    static constexpr quint32 kWhite = 0xFFFFFF;
    static constexpr quint32 kRed = 0x0000FF;
    static constexpr int kLinkColourCode = 151;

    explicit MarkupReader(ClassicPane& pane);

    void RenderLine(QStringView line);

private:
    // Returns false when the rest of the line is not to be read.
    bool ReadChar(QChar ch);
    void ReadPlain(QChar ch);
    void ReadInTag(QChar ch);
    void ReadAfterSlash(QChar ch);
    void ReadColourCode(QChar ch);
    void CloseColourTag();
    void AppendToRun(QChar ch);
    void DrawPendingRun(quint32 colour);

    ClassicPane& m_pane;
    TagState m_tagState = PlainText;
    QString m_runText;
    qint32 m_runWidth = 0;
    QString m_tagKeyword;
    QString m_colourDigits;
    quint32 m_runColour = 0;
};
