#include "PropertyBag.h"

#include <cmath>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QVariant Short(short v) {
    return QVariant::fromValue(v);
}

struct OmitCase {
    const char* name;
    QVariant value;
    QVariant defaultValue;
    bool omitted;
};

TEST(PropertyBagTest, WriteLeavesOutOnlyValuesThatReadBackAsTheDefault) {
    const QFont song(QStringLiteral("宋体"), 9);
    const OmitCase cases[] = {
        {"equal ints", 5, 5, true},
        {"different ints", 6, 5, false},
        {"int against uint", 5, 5u, true},
        {"system colour as int against uint", int(0x8000000F), 0x8000000Fu, true},
        {"system colour as uint against int", 0x8000000Fu, int(0x8000000F), true},
        {"16-bit against int", Short(5), 5, true},
        {"bool against 1", true, 1, true},
        {"bool against -1 would read back as 1", -1, true, false},
        {"bool against 5 would read back as 1", 5, true, false},
        {"false against 0", false, 0, true},
        {"double with fraction against int", 2.5, 2, false},
        {"int against double with fraction", 2, 2.5, false},
        {"whole double against int", 2.0, 2, true},
        {"number against its text", 5, QStringLiteral("5"), true},
        {"number against other text", 5, QStringLiteral("05"), false},
        {"strings differing in case", QStringLiteral("fxframe1"), QStringLiteral("FxFrame1"),
         false},
        {"equal strings", QStringLiteral("FxFrame1"), QStringLiteral("FxFrame1"), true},
        {"empty against null string", QString(""), QString(), true},
        {"QColor against its RGB value", QColor(255, 0, 0), 0xFFu, true},
        {"QColor against the system colour it shows", QColor(240, 240, 240), 0x8000000Fu, false},
        {"translucent QColor against RGB", QColor(255, 0, 0, 128), 0xFFu, false},
        {"equal fonts", song, song, true},
        {"different fonts", QFont(QStringLiteral("宋体"), 10), song, false},
        {"no default: always written", 0, QVariant(), false},
    };
    for (const OmitCase& c : cases) {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("Key"), c.value, c.defaultValue);
        EXPECT_EQ(bag.Count(), c.omitted ? 0 : 1) << c.name;
        if (!c.omitted) continue;
        // What was left out reads back as the value.
        const QVariant back = bag.ReadProperty(QStringLiteral("key"), c.defaultValue);
        QVariant asValue;
        ASSERT_TRUE(PropertyBag::ConvertValue(back, c.value.metaType(), &asValue)) << c.name;
        EXPECT_EQ(asValue, c.value) << c.name;
    }
}

TEST(PropertyBagTest, EmptyValuesAndPicturesLeaveNoEntry) {
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Picture"), QImage());
    bag.WriteProperty(QStringLiteral("Nothing"), QVariant());
    bag.WriteProperty(QStringLiteral("Caption"), QString());  // a string, even empty, is kept
    ASSERT_EQ(bag.Count(), 1);
    EXPECT_EQ(bag.Entries()[0].key, QStringLiteral("Caption"));
}

TEST(PropertyBagTest, ReadsMatchKeysInAnyCaseAndConvertToTheDefaultsType) {
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("CRad"), 7);
    bag.WriteProperty(QStringLiteral("FontColor"), int(0x80000012));
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("编辑区"));
    bag.WriteProperty(QStringLiteral("Style"), QStringLiteral("two"));

    const QVariant crad = bag.ReadProperty(QStringLiteral("CRAD"), Short(5));
    EXPECT_EQ(crad.metaType().id(), QMetaType::Short);
    EXPECT_EQ(crad.value<short>(), 7);
    EXPECT_EQ(bag.Read<quint32>(QStringLiteral("fontcolor"), 0u), 0x80000012u);
    EXPECT_EQ(bag.Read<QString>(QStringLiteral("caption"), QString()), QStringLiteral("编辑区"));
    // A stored value of the wrong kind reads as the default.
    EXPECT_EQ(bag.Read<int>(QStringLiteral("style"), 3), 3);
    EXPECT_EQ(bag.Read<int>(QStringLiteral("missing"), 42), 42);
    EXPECT_FALSE(bag.ReadProperty(QStringLiteral("missing")).isValid());
    EXPECT_TRUE(bag.Contains(QStringLiteral("CAPTION")));
}

TEST(PropertyBagTest, NumbersOutOfRangeReadAsTheDefault) {
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Big"), 40000);
    bag.WriteProperty(QStringLiteral("Negative"), -1);
    bag.WriteProperty(QStringLiteral("Huge"), qlonglong(1) << 40);
    EXPECT_EQ(bag.Read<short>(QStringLiteral("big"), 1), 1);
    // A negative number turns unsigned only at its own width (colours 0x800000nn).
    EXPECT_EQ(bag.Read<ushort>(QStringLiteral("negative"), 1), 1);
    bag.RestartReading();
    EXPECT_EQ(bag.Read<quint32>(QStringLiteral("negative"), 0u), 0xFFFFFFFFu);
    EXPECT_EQ(bag.Read<int>(QStringLiteral("huge"), 9), 9);
}

TEST(PropertyBagTest, RepeatedKeysReadBackInStoredOrder) {
    // Two entries whose keys differ only in case, written every time, as a skinned button does.
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("BackColor"), 0x8000000Fu);
    bag.WriteProperty(QStringLiteral("Skin"), 1);
    bag.WriteProperty(QStringLiteral("backColor"), 0xD8E9ECu);

    EXPECT_EQ(bag.Read<quint32>(QStringLiteral("BackColor"), 0u), 0x8000000Fu);
    EXPECT_EQ(bag.Read<int>(QStringLiteral("skin"), 0), 1);
    EXPECT_EQ(bag.Read<quint32>(QStringLiteral("backColor"), 0u), 0xD8E9ECu);
    EXPECT_EQ(bag.Read<quint32>(QStringLiteral("BACKCOLOR"), 5u), 5u);  // no third entry

    bag.RestartReading();
    EXPECT_EQ(bag.Read<quint32>(QStringLiteral("backcolor"), 0u), 0x8000000Fu);
}

QImage TestImage() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(10, 20, 30));
    image.setPixel(2, 1, qRgb(250, 0, 5));
    return image;
}

PropertyBag AwkwardBag() {
    QFont bold(QStringLiteral("宋体"));
    bold.setPointSizeF(10.5);
    bold.setBold(true);
    bold.setItalic(true);
    bold.setUnderline(true);
    bold.setStrikeOut(true);
    QFont pixels(QStringLiteral("Tahoma"));
    pixels.setPixelSize(12);
    pixels.setWeight(QFont::DemiBold);
    pixels.setStyleStrategy(QFont::NoAntialias);

    PropertyBag bag;
    const QString text = QStringLiteral("line1\r\nline2 \"quoted\" back\\slash\ttab ") + QChar(0) +
                         QStringLiteral(" 中文 ") + QString::fromUcs4(U"\U0001F600") +
                         QChar(0xD800) + QStringLiteral(" = # end");
    bag.WriteProperty(QStringLiteral("Caption"), text);
    bag.WriteProperty(QStringLiteral("Empty"), QString());
    bag.WriteProperty(QStringLiteral("Min"), std::numeric_limits<int>::min());
    bag.WriteProperty(QStringLiteral("Max"), std::numeric_limits<int>::max());
    bag.WriteProperty(QStringLiteral("BackColor"), 0x8000000Fu);
    bag.WriteProperty(QStringLiteral("CRad"), Short(-4));
    bag.WriteProperty(QStringLiteral("Enabled"), false);
    bag.WriteProperty(QStringLiteral("Ratio"), 0.1);
    bag.WriteProperty(QStringLiteral("Font"), bold);
    bag.WriteProperty(QStringLiteral("font"), pixels);
    bag.WriteProperty(QStringLiteral("Fore"), QColor(1, 2, 3));
    bag.WriteProperty(QStringLiteral("Picture"), TestImage());
    return bag;
}

TEST(PropertyBagTest, TextFormReadsBackEveryEntryExactly) {
    const PropertyBag bag = AwkwardBag();
    int skipped = -1;
    const QString text = bag.ToText(&skipped);
    EXPECT_EQ(skipped, 0);

    int bad = -1;
    const PropertyBag back = PropertyBag::FromText(text, &bad);
    EXPECT_EQ(bad, 0);
    ASSERT_EQ(back.Count(), bag.Count()) << text.toStdString();
    for (int i = 0; i < bag.Count(); ++i) {
        const auto& want = bag.Entries()[i];
        const auto& got = back.Entries()[i];
        EXPECT_EQ(got.key, want.key.toLower());
        EXPECT_EQ(got.value.metaType(), want.value.metaType()) << want.key.toStdString();
        EXPECT_EQ(got.value, want.value) << want.key.toStdString();
    }
    // One line an entry, so no raw line break survives inside a value.
    EXPECT_EQ(text.count(u'\n'), bag.Count());
    EXPECT_FALSE(text.contains(u'\r'));
}

TEST(PropertyBagTest, TextFormAcceptsHandWrittenData) {
    const QString text = QStringLiteral(
        "\xFEFF# stored window data\r\n"
        "\r\n"
        "  CRad = short 5  \r\n"
        "fontcolor=uint 0x80000012\r\n"
        "caption0 = str \"NPC对话框\"\r\n"
        "font = font \"宋体\" 9pt\r\n"
        "big = uint 4294967295\n");
    int bad = -1;
    const PropertyBag bag = PropertyBag::FromText(text, &bad);
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(bag.Read<short>(QStringLiteral("crad"), 0), 5);
    EXPECT_EQ(bag.Read<quint32>(QStringLiteral("FontColor"), 0u), 0x80000012u);
    EXPECT_EQ(bag.Read<QString>(QStringLiteral("Caption0"), QString()),
              QStringLiteral("NPC对话框"));
    EXPECT_EQ(bag.Read<quint32>(QStringLiteral("big"), 0u), 0xFFFFFFFFu);
    const QFont font = bag.Read<QFont>(QStringLiteral("Font"), QFont());
    EXPECT_EQ(font.family(), QStringLiteral("宋体"));
    EXPECT_EQ(font.pointSizeF(), 9.0);
    // Song faces keep the program's crisp look unless the line says otherwise.
    EXPECT_TRUE(font.styleStrategy() & QFont::NoAntialias);
}

TEST(PropertyBagTest, MalformedLinesAreSkippedAndTheRestIsKept) {
    const char* const badLines[] = {
        "no equals sign",
        " = int 5",
        "key with blank = int 5",
        "style = integer 5",
        "style = int",
        "style = int 5x",
        "style = int 2147483648",
        "style = short 40000",
        "style = uint -1",
        "style = uint 0x100000000",
        "style = uint 0x",
        "style = bool yes",
        "style = double",
        "caption = str \"unterminated",
        "caption = str \"bad escape \\q\"",
        "caption = str \"short unicode \\u12\"",
        "caption = str \"trailing\" junk",
        "caption = str unquoted",
        "font = font 宋体 9pt",
        "font = font \"宋体\"",
        "font = font \"宋体\" 0pt",
        "font = font \"宋体\" 9pt heavy",
        "font = font \"宋体\" 9pt weight=0",
        "fore = color #12345",
        "fore = color #GG0000",
        "picture = image png:not*base64",
        "picture = image png:aGVsbG8=",
        "picture = image \"/no/such/file.png\"",
    };
    for (const char* line : badLines) {
        const QString text = QStringLiteral("before = int 1\n") + QString::fromUtf8(line) +
                             QStringLiteral("\nafter = int 2\n");
        int bad = -1;
        const PropertyBag bag = PropertyBag::FromText(text, &bad);
        EXPECT_EQ(bad, 1) << line;
        ASSERT_EQ(bag.Count(), 2) << line;
        EXPECT_EQ(bag.Entries()[1].key, QStringLiteral("after")) << line;
    }
}

// Lines FromText accepts that ToText writes in another form: a picture given as a file (a grey
// BMP, read as a palette picture), NaN, and a family name holding a comma.
QString HandWrittenLines(const QString& picturePath) {
    return QStringLiteral(
               "photo = image \"%1\"\n"
               "Ratio = double nan\n"
               "font = font \"Tahoma, Arial\" 9pt\n")
        .arg(picturePath);
}

// Whether a value read back from the text form is the one that was written.
bool SameReadBack(const QVariant& written, const QVariant& read) {
    if (written.metaType() != read.metaType()) return false;
    const int id = written.metaType().id();
    if ((id == QMetaType::Double || id == QMetaType::Float) && std::isnan(written.toDouble()))
        // NaN is written as "nan" and reads back as NaN, which never equals itself.
        return std::isnan(read.toDouble());
    if (id == QMetaType::QImage) {
        // Pictures are written as PNG, and a PNG may read back in another pixel layout than the
        // file the picture first came from (a grey palette returns as grey levels): the size and
        // the colour of every pixel are what must survive.
        const QImage a = written.value<QImage>().convertToFormat(QImage::Format_RGBA64);
        const QImage b = read.value<QImage>().convertToFormat(QImage::Format_RGBA64);
        return a == b;
    }
    return written == read;
}

// What FromText accepts of text, written by ToText and read again, gives the same entries, and
// ToText leaves none of it out.
testing::AssertionResult ReadsBackTheSame(QStringView text) {
    const PropertyBag first = PropertyBag::FromText(text);
    int skipped = -1;
    const QString written = first.ToText(&skipped);
    int bad = -1;
    const PropertyBag second = PropertyBag::FromText(written, &bad);
    auto failure = [&](const char* what) {
        return testing::AssertionFailure() << what << "\ninput:\n"
                                           << text.toString().toStdString() << "\nwritten:\n"
                                           << written.toStdString();
    };
    if (skipped != 0) return failure("ToText skipped entries");
    if (bad != 0) return failure("FromText rejected lines ToText wrote");
    if (second.Count() != first.Count()) return failure("entry count changed");
    for (int i = 0; i < first.Count(); ++i) {
        const PropertyBag::Entry& want = first.Entries()[i];
        const PropertyBag::Entry& got = second.Entries()[i];
        // Keys are written in lower case.
        if (got.key != want.key.toLower()) return failure("key changed");
        if (!SameReadBack(want.value, got.value)) return failure("value changed");
    }
    return testing::AssertionSuccess();
}

TEST(PropertyBagTest, CutOrScrambledTextReadsBackUnchangedAfterWriting) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage grey(4, 2, QImage::Format_Grayscale8);
    grey.fill(40);
    grey.setPixel(3, 1, qRgb(200, 200, 200));
    const QString picturePath = dir.filePath(QStringLiteral("grey.bmp"));
    ASSERT_TRUE(grey.save(picturePath, "BMP"));

    const QString text = AwkwardBag().ToText() + HandWrittenLines(picturePath);
    ASSERT_EQ(PropertyBag::FromText(text).Count(), AwkwardBag().Count() + 3);
    // Every prefix: the last line is cut anywhere, even inside an escape or a surrogate pair.
    for (qsizetype n = 0; n <= text.size(); ++n)
        ASSERT_TRUE(ReadsBackTheSame(QStringView(text).left(n))) << "prefix of " << n;
    QRandomGenerator random(7);
    for (int round = 0; round < 300; ++round) {
        QString scrambled = text;
        for (int k = 0; k < 5; ++k)
            scrambled[random.bounded(int(scrambled.size()))] =
                QChar(char16_t(random.bounded(0x80)));
        ASSERT_TRUE(ReadsBackTheSame(scrambled)) << "round " << round;
    }
}

TEST(PropertyBagTest, EntriesTheTextFormCannotHoldAreCountedNotWritten) {
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("bad key"), 1);
    bag.WriteProperty(QStringLiteral("#comment"), 1);
    bag.WriteProperty(QStringLiteral("Point"), QPoint(1, 2));
    bag.WriteProperty(QStringLiteral("Good"), 3);
    int skipped = -1;
    EXPECT_EQ(bag.ToText(&skipped), QStringLiteral("good = int 3\n"));
    EXPECT_EQ(skipped, 3);
}

TEST(PropertyBagTest, KeysAndFontsThatWouldNotReadBackAreCountedNotWritten) {
    // A key starting with a byte-order mark would lose it as the first line of a text; the text
    // form reads only fonts with a family and a point size up to 10000.
    const QString bomKey = QChar(0xFEFF) + QStringLiteral("caption");
    QFont noFamily(QStringLiteral("Tahoma"));
    noFamily.setFamilies({});
    QFont huge(QStringLiteral("Tahoma"));
    huge.setPointSizeF(20000);
    PropertyBag bag;
    bag.WriteProperty(bomKey, 1);
    bag.WriteProperty(QStringLiteral("Font"), noFamily);
    bag.WriteProperty(QStringLiteral("Font"), huge);
    bag.WriteProperty(QStringLiteral("Good"), 3);
    int skipped = -1;
    EXPECT_EQ(bag.ToText(&skipped), QStringLiteral("good = int 3\n"));
    EXPECT_EQ(skipped, 3);

    int bad = -1;
    EXPECT_TRUE(PropertyBag::FromText(QChar(0xFEFF) + bomKey + QStringLiteral(" = int 1\n"), &bad)
                    .IsEmpty());
    EXPECT_EQ(bad, 1);
}

}  // namespace
