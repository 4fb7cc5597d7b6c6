#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Every window picture loads from the compiled-in resources at its exact size; the dialogue
// and notice pictures are 8-bit indexed, the title and icons 32-bit, the icons with alpha.
TEST(ImageResourcesTest, EachPictureLoadsWithItsSizeAndDepth) {
    enum class Kind { Indexed, Opaque32, Alpha32 };
    const std::tuple<const char*, QSize, Kind> cases[] = {
        {"dialog_classic.png", {416, 176}, Kind::Indexed},
        {"dialog_large.png", {416, 347}, Kind::Indexed},
        {"dialog_dragon.png", {568, 347}, Kind::Indexed},
        {"dialog_task.png", {328, 385}, Kind::Indexed},
        {"notice_panel.png", {256, 359}, Kind::Indexed},
        {"title_scene.png", {320, 375}, Kind::Opaque32},
        {"window_icon.png", {256, 256}, Kind::Alpha32},
        {"window_icon32.png", {32, 32}, Kind::Alpha32},
        {"window_icon16.png", {16, 16}, Kind::Alpha32},
    };
    for (const auto& [name, size, kind] : cases) {
        SCOPED_TRACE(name);
        const QImage image(QStringLiteral(":/images/") + QLatin1String(name));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), size);
        if (kind == Kind::Indexed) {
            EXPECT_EQ(image.format(), QImage::Format_Indexed8);
            EXPECT_LE(image.colorCount(), 256);
        } else {
            EXPECT_EQ(image.depth(), 32);
            EXPECT_EQ(image.hasAlphaChannel(), kind == Kind::Alpha32);
        }
    }
}

// The icons are cut out: their corners are transparent, their middle is not.
TEST(ImageResourcesTest, IconsHaveTransparentCorners) {
    for (const char* name : {"window_icon.png", "window_icon32.png", "window_icon16.png"}) {
        SCOPED_TRACE(name);
        const QImage image(QStringLiteral(":/images/") + QLatin1String(name));
        ASSERT_FALSE(image.isNull());
        const int last = image.width() - 1;
        EXPECT_EQ(qAlpha(image.pixel(last, last)), 0);
        EXPECT_EQ(qAlpha(image.pixel(0, last)), 0);
        EXPECT_EQ(qAlpha(image.pixel(last / 2, last / 2)), 255);
    }
}

}  // namespace
