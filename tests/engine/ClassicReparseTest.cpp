#include <gtest/gtest.h>
#include <QRandomGenerator>

#include "ClassicPane.h"
#include "ColorPalette.h"
#include "RecordingList.h"
#include "RecordingMessages.h"
#include "RecordingPrintTarget.h"

namespace {

struct Pane {
    RecordingPrintTarget picture;
    RecordingList list;
    RecordingMessages messages;
    ClassicPane pane{picture, list, messages};
};

// Everything a parse leaves behind, as text, so that two parses compare in one assertion.
QString Outcome(const Pane& p) {
    const ClassicPaneState& s = p.pane.State();
    QStringList out;
    for (QStringView line : s.ScriptLines)
        out << (line.isNull() ? QStringLiteral("<blank>") : line.toString());
    out << QStringLiteral("block %1 sections %2").arg(s.InBlock).arg(s.SectionCount);
    for (qint32 k = 0; k <= s.SectionCount; ++k)
        out << QStringLiteral("section %1 %2 %3")
                   .arg(k)
                   .arg(k < s.SectionCount ? s.SectionNames[size_t(k)] : QString())
                   .arg(s.SectionStarts[size_t(k)]);
    out << QStringLiteral("rows ") + p.list.rows.join(u'|');
    for (const auto& d : p.picture.draws)
        out << QStringLiteral("draw %1 %2 %3 %4").arg(d.text).arg(d.x).arg(d.y).arg(d.color);
    out << p.messages.messages;
    return out.join(u'\n');
}

const QStringList kPieces = {
    "[@main]", "[@other]", "[@Main]",    "#IF",        "#ACT",        "#SAY",
    "#if",     "#say",     "{",          "}",          "GOTO @other", "goto @main",
    "(cond)",  "(open",    "<a/@other>", "  spaced  ", "text\\more",  "\r\n",
    "\r\n",    "\r\n",     "\r",         "\n",         "#",           "[@",
    "]",       "IF",       "S",          "x",          " ",           "<t/AUTOCOLOR=5>",
};

QString RandomScript(QRandomGenerator& random, int pieces) {
    QString text;
    for (int i = 0; i < pieces; ++i) {
        text += kPieces[random.bounded(int(kPieces.size()))];
        if (random.bounded(3) == 0) text += QStringLiteral("\r\n");
    }
    return text;
}

// An edit as a user makes it: a few characters typed, deleted or replaced somewhere.
QString RandomEdit(QRandomGenerator& random, QString text) {
    const int at = random.bounded(int(text.size()) + 1);
    const int removed = random.bounded(std::min(4, int(text.size()) - at) + 1);
    const QString inserted =
        random.bounded(3) == 0 ? QString() : kPieces[random.bounded(int(kPieces.size()))];
    return text.replace(at, removed, inserted);
}

// A reparse after an edit must leave exactly what parsing the text from scratch leaves: the
// lines, their classification and block flags, the section tables, the list and the drawing.
// The reference parses an empty text first, which keeps the block flag and reuses nothing.
TEST(ClassicReparse, EditedTextsParseAsFromScratch) {
    ColorPalette.fill(0x102030);
    QRandomGenerator random(11);
    for (int round = 0; round < 40; ++round) {
        Pane edited;
        Pane fresh;
        QString text = RandomScript(random, 10 + random.bounded(60));
        for (int step = 0; step < 60; ++step) {
            edited.pane.ParseScript(text);
            fresh.pane.ParseScript(QString());
            fresh.pane.ParseScript(text);
            ASSERT_EQ(Outcome(edited), Outcome(fresh))
                << "round " << round << " step " << step << "\n"
                << text.toStdString();
            text = random.bounded(20) == 0 ? RandomScript(random, 20) : RandomEdit(random, text);
        }
    }
}

}  // namespace
