#include <gtest/gtest.h>

#include "ui/ProgramIcon.h"
#include "ui/ProgramStyle.h"

#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QStyleFactory>
#include <QSvgRenderer>

#include <memory>

namespace {

QImage iconImage(int size) {
    return vespera::programIcon().pixmap(size, size).toImage();
}

} // namespace

// The main window's pictures are drawn at build time at its layout sizes, and at twice them.
TEST(PicturesTest, EveryPictureIsCompiledInAndDrawnAtItsLayoutSize) {
    const struct {
        const char* path;
        QSize size;
    } drawn[] = {
        {":/pictures/banner.png", {317, 40}},    {":/pictures/panel.png", {182, 230}},
        {":/pictures/clock.png", {24, 24}},      {":/pictures/program.png", {24, 24}},
        {":/pictures/panel@2x.png", {364, 460}},
    };
    for (const auto& picture : drawn) {
        const QImage image = QImageReader(QString::fromLatin1(picture.path)).read();
        EXPECT_EQ(image.size(), picture.size) << picture.path;
        EXPECT_GT(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 0) << picture.path;
    }
    const QSvgRenderer icon(QStringLiteral(":/pictures/vespera.svg"));
    EXPECT_TRUE(icon.isValid());
    EXPECT_EQ(icon.defaultSize(), QSize(64, 64));
}

// The icon's disc fills its square at every size a notification area asks for, with the crescent
// and the power bar drawn over it.
TEST(PicturesTest, IconIsDrawnAtTheSizesOfWindowsAndNotificationAreas) {
    for (const int size : {16, 22, 32, 40, 64}) {
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

// The icon offers every size it was drawn at; a size between two is the larger one made smaller, and
// no size is enlarged.
TEST(PicturesTest, IconOffersItsDrawnSizesAndNeverEnlargesOne) {
    const QIcon icon = vespera::programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    ASSERT_FALSE(sizes.isEmpty());
    EXPECT_EQ(sizes.first(), QSize(16, 16));
    EXPECT_EQ(sizes.last(), QSize(128, 128));
    EXPECT_EQ(icon.actualSize(QSize(512, 512)), QSize(128, 128));
    EXPECT_EQ(icon.pixmap(512, 512).size(), QSize(128, 128));
}

// The program's style reads some of the Fusion style's pictures itself; what it draws with them is what
// the toolkit's style draws, and a style of another name is left as it is.
TEST(PicturesTest, ProgramStyleDrawsAsTheToolkitsStyle) {
    const auto groupBox = [](QStyle& style, const QString& title) {
        QGroupBox box(title);
        box.setStyle(&style);
        box.resize(120, 80);
        return box.grab().toImage();
    };
    const auto extension = [](const QStyle& style) {
        return style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage();
    };
    for (const QString& key : {QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
        SCOPED_TRACE(key.toStdString());
        const std::unique_ptr<QStyle> toolkit(QStyleFactory::create(key));
        vespera::ProgramStyle program(key);
        for (const QString& title : {QStringLiteral("Systeminformation "), QString()})
            EXPECT_EQ(groupBox(program, title), groupBox(*toolkit, title)) << title.toStdString();
        EXPECT_FALSE(extension(program).isNull());
        EXPECT_EQ(extension(program), extension(*toolkit));
    }
}
