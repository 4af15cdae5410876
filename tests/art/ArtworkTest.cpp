// The embedded pictures load at the sizes the window lays out, in 16 colours, and fit the field.
#include <gtest/gtest.h>

#include <algorithm>

#include <QImage>
#include <QSet>

#include "DialogTemplates.h"

namespace pennantry {
namespace {

QImage Picture(int resource) { return QImage(QStringLiteral(":/pennantry/bitmap%1.png").arg(resource)); }

// The window's dialog font comes near 6 x 13 pixels a base unit, and the field is drawn for it.
QPoint ToPixels(int x, int y) { return {qRound(x * 6 / 4.0), qRound(y * 13 / 8.0)}; }

bool IsGrass(QRgb pixel) { return qGreen(pixel) > qRed(pixel) + 30 && qGreen(pixel) > qBlue(pixel) + 30; }

// Each also drawn at twice the pixels, for screens scaled by 2.
TEST(Artwork, EveryPictureLoadsAtTheSizeTheWindowLaysOutInAtMostSixteenColoursAndAtTwiceThat)
{
    const std::pair<const char*, QSize> pictures[] = {
        {"bitmap129", {251, 260}}, {"bitmap130", {48, 48}},   {"bitmap131", {48, 48}},
        {"bitmap132", {42, 42}},   {"icon128-16", {16, 16}}, {"icon128-32", {32, 32}},
    };
    for (const auto& [name, size] : pictures) {
        for (const int scale : {1, 2}) {
            const QString file = QString::fromLatin1(name) + (scale == 1 ? "" : "@2x");
            SCOPED_TRACE(file.toStdString());
            const QImage image = QImage(QStringLiteral(":/pennantry/%1.png").arg(file)).convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(image.size(), size * scale);  // a picture that failed to load is 0 x 0
            const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());  // 32-bit rows are never padded
            const QSet<QRgb> colours(pixels, pixels + image.width() * image.height());
            EXPECT_LE(colours.size(), 16);
        }
    }
    // Only the occupied base shows a runner.
    EXPECT_TRUE(qGray(Picture(BitmapOccupiedBase).pixel(24, 24)) < 64 && qGray(Picture(BitmapEmptyBase).pixel(24, 24)) > 192);
}

// Each base, the batter and the ball are laid at their own places in the window, over the field's
// picture: each must let the field show through around its subject, and its centre must land on
// the infield's dirt at the matching corner of the diamond (the ball's on the grass before home).
TEST(Artwork, BasesBatterAndBallLandOnTheFieldWhereItsDiamondIsDrawn)
{
    const DialogTemplate& window = MainWindowTemplate();
    const auto field = std::find_if(window.Controls.begin(), window.Controls.end(), [](auto& c) { return c.Resource == BitmapField; });
    ASSERT_NE(field, window.Controls.end());
    const QImage fieldImage = Picture(BitmapField);
    const std::pair<int, bool> landings[] = {{ids::FirstBasePicture, false}, {ids::SecondBasePicture, false}, {ids::ThirdBasePicture, false},
                                             {ids::BatterPicture, false}, {ids::BallPicture, true}};
    for (const auto& [id, onGrass] : landings) {
        SCOPED_TRACE(id);
        const DialogControl* control = FindControl(window, id);
        ASSERT_NE(control, nullptr);
        const QImage picture = Picture(control->Resource);
        const QRect box = picture.rect();
        for (QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
            EXPECT_EQ(qAlpha(picture.pixel(corner)), 0);
        const QPoint middle(box.width() / 2, box.height() / 2);
        EXPECT_EQ(qAlpha(picture.pixel(middle)), 255);
        const QPoint centre = ToPixels(control->X, control->Y) - ToPixels(field->X, field->Y) + middle;
        ASSERT_TRUE(fieldImage.rect().contains(centre));
        // A few pixels either way, as the window's font may round a unit differently.
        for (QPoint nudge : {QPoint(0, 0), QPoint(-3, 0), QPoint(3, 0), QPoint(0, -3), QPoint(0, 3)})
            EXPECT_EQ(IsGrass(fieldImage.pixel(centre + nudge)), onGrass) << "nudged " << nudge.x() << "," << nudge.y();
    }
}

}  // namespace
}  // namespace pennantry
