#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include "GuiTestApp.h"

namespace {

struct PictureCase {
    const char* name;
    const char* resource;
    QSize size;
    bool alpha;
};

class Pictures : public ::testing::TestWithParam<PictureCase> {
  protected:
    void SetUp() override { testsupport::EnsureApplication(); }
};

TEST_P(Pictures, LoadWithTheirSize) {
    const QImage image(QString::fromLatin1(GetParam().resource));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), GetParam().size);
    EXPECT_EQ(image.hasAlphaChannel(), GetParam().alpha);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Pictures,
    ::testing::Values(PictureCase{"Background", ":/BACKGROUND", {640, 480}, false},
                      PictureCase{"Logo", ":/KESTRUNE", {150, 350}, false},
                      PictureCase{"Icon", ":/ICON", {71, 70}, true},
                      PictureCase{"ErrorBadge", ":/ERRORBADGE", {59, 21}, false},
                      PictureCase{"OpenYaBB", ":/OPENYABB", {20, 20}, true},
                      PictureCase{"OpenYaBBDown", ":/OPENYABB_DOWN", {20, 20}, true},
                      PictureCase{"OxelIcon", ":/OXEL_ICON", {64, 64}, true},
                      PictureCase{"ImageListFirst", ":/IMAGELIST_0", {16, 16}, true},
                      PictureCase{"ImageListLast", ":/IMAGELIST_9", {16, 16}, true}),
    [](const auto& row) { return std::string(row.param.name); });

bool IsMagenta(QRgb px) {
    return (px & 0xFFFFFFu) == 0xFF00FFu;
}

// A colour that is nearly magenta: what smoothing the edge into the ground would leave, and
// what would show as a pink seam once only exact magenta is transparent.
bool IsPinkish(QRgb px) {
    return !IsMagenta(px) && qRed(px) > 200 && qBlue(px) > 200 && qGreen(px) < 90;
}

int CountIn(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

TEST(SkinPicture, OutlineIsHardAndCoversEveryClickableArea) {
    testsupport::EnsureApplication();
    const QImage skin =
        QImage(QStringLiteral(":/BACKGROUND")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(skin.size(), QSize(640, 480));

    EXPECT_EQ(CountIn(skin, skin.rect(), IsPinkish), 0);
    for (const QPoint corner : {QPoint(0, 0), QPoint(639, 0), QPoint(0, 479), QPoint(639, 479),
                                QPoint(639, 100), QPoint(639, 400)}) {
        EXPECT_TRUE(IsMagenta(skin.pixel(corner))) << corner.x() << "," << corner.y();
    }
    // The controls, the three round buttons and the tab for more mods, whose two outer
    // corners are rounded off.
    const QRect body[] = {{20, 108, 581, 338}, {420, 40, 33, 33},   {457, 40, 33, 33},
                          {494, 40, 33, 33},   {610, 160, 22, 130}, {610, 168, 30, 114}};
    for (const QRect& area : body) {
        EXPECT_EQ(CountIn(skin, area, IsMagenta), 0)
            << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
    }
    // Enough of the outside is magenta for the window to have a shape at all.
    EXPECT_GT(CountIn(skin, skin.rect(), IsMagenta), 640 * 10);
}

TEST(ErrorBadge, RedDiscAndBlackWordOnAHardMagentaGround) {
    testsupport::EnsureApplication();
    const QImage badge =
        QImage(QStringLiteral(":/ERRORBADGE")).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(IsMagenta(badge.pixel(0, 0)));
    EXPECT_TRUE(IsMagenta(badge.pixel(58, 20)));
    EXPECT_EQ(CountIn(badge, badge.rect(), IsPinkish), 0);
    EXPECT_GT(CountIn(badge, {0, 0, 21, 21},
                      [](QRgb px) { return qRed(px) > 150 && qGreen(px) < 80 && qBlue(px) < 80; }),
              60);
    EXPECT_GT(CountIn(badge, {21, 0, 38, 21},
                      [](QRgb px) { return qRed(px) < 60 && qGreen(px) < 60 && qBlue(px) < 60; }),
              30);
}

}  // namespace
