#include <gtest/gtest.h>

#include "ui/ProgramIcon.h"

#include <QIcon>
#include <QImage>
#include <QSvgRenderer>

namespace {

QImage iconImage(int size) {
    return vespera::programIcon().pixmap(size, size).toImage();
}

} // namespace

TEST(PicturesTest, EveryPictureIsCompiledInAndDrawnAtItsLayoutSize) {
    const struct {
        const char* path;
        QSize size;
    } pictures[] = {
        {":/pictures/banner.svg", {317, 40}}, {":/pictures/panel.svg", {182, 230}},
        {":/pictures/clock.svg", {24, 24}},   {":/pictures/program.svg", {24, 24}},
        {":/pictures/vespera.svg", {64, 64}},
    };
    for (const auto& picture : pictures) {
        const QSvgRenderer renderer(QString::fromLatin1(picture.path));
        EXPECT_TRUE(renderer.isValid()) << picture.path;
        EXPECT_EQ(renderer.defaultSize(), picture.size) << picture.path;
    }
}

// The icon's disc fills its square at every size a notification area asks for, with the crescent
// and the power bar drawn over it.
TEST(PicturesTest, IconIsDrawnAtTheSizesOfWindowsAndNotificationAreas) {
    for (const int size : {16, 22, 32, 64}) {
        SCOPED_TRACE(size);
        const QImage image = iconImage(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "a corner outside the disc";
        EXPECT_EQ(qAlpha(image.pixel(size / 4, size / 2)), 255);
        const QColor bar = image.pixelColor(size / 2, size / 4);
        const QColor crescent = image.pixelColor(size / 2, size * 3 / 4);
        EXPECT_GT(bar.lightness(), 180) << "the white power bar";
        EXPECT_GT(crescent.red(), crescent.blue() + 100) << "the golden crescent";
    }
}
