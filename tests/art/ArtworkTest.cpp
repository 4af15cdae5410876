// The embedded pictures load at the sizes the window lays out, in 16 colours, and fit the field.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QSet>
#include <QString>

#include "DialogTemplates.h"

namespace pennantry {
namespace {

QImage Picture(int resource)
{
    return QImage(QStringLiteral(":/pennantry/bitmap%1.png").arg(resource));
}

// The window's dialog font comes near 6 x 13 pixels a base unit, and the field is drawn for it.
QPoint ToPixels(int x, int y)
{
    return {qRound(x * 6 / 4.0), qRound(y * 13 / 8.0)};
}

bool IsGrass(QRgb pixel)
{
    return qGreen(pixel) > qRed(pixel) + 30 && qGreen(pixel) > qBlue(pixel) + 30;
}

struct Expected {
    const char* Path;
    int Width, Height;
};

const Expected EveryPicture[] = {
    {":/pennantry/bitmap129.png", 251, 260},
    {":/pennantry/bitmap130.png", 48, 48},
    {":/pennantry/bitmap131.png", 48, 48},
    {":/pennantry/bitmap132.png", 42, 42},
    {":/pennantry/icon128-16.png", 16, 16},
    {":/pennantry/icon128-32.png", 32, 32},
};

TEST(Artwork, EveryPictureLoadsFromTheProgramAtTheSizeTheWindowLaysOut)
{
    for (const auto& picture : EveryPicture) {
        SCOPED_TRACE(picture.Path);
        const QImage image(QString::fromLatin1(picture.Path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(picture.Width, picture.Height));
    }
}

TEST(Artwork, EveryPictureHasAtMostSixteenColours)
{
    for (const auto& picture : EveryPicture) {
        SCOPED_TRACE(picture.Path);
        const QImage image = QImage(QString::fromLatin1(picture.Path)).convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        EXPECT_LE(colours.size(), 16);
    }
}

// The base, batter and ball pictures sit over the field: outside their subject they must let the
// field show through, or each would stand in a square of its own colour.
TEST(Artwork, PicturesOverTheFieldAreClearAroundTheirSubject)
{
    for (int resource : {BitmapOccupiedBase, BitmapEmptyBase, BitmapBall}) {
        SCOPED_TRACE(resource);
        const QImage image = Picture(resource);
        ASSERT_FALSE(image.isNull());
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    }
}

TEST(Artwork, OnlyTheOccupiedBaseShowsARunner)
{
    const QImage occupied = Picture(BitmapOccupiedBase);
    const QImage empty = Picture(BitmapEmptyBase);
    ASSERT_FALSE(occupied.isNull());
    ASSERT_FALSE(empty.isNull());
    EXPECT_LT(qGray(occupied.pixel(24, 24)), 64);
    EXPECT_GT(qGray(empty.pixel(24, 24)), 192);
}

// Each base picture is laid at its own place in the window, not on the field's picture: its
// centre must land on the infield's dirt at the field's matching corner, and the ball's between
// home plate and the mound, on the infield grass.
TEST(Artwork, BasesAndBallLandOnTheFieldWhereItsDiamondIsDrawn)
{
    const DialogTemplate& window = MainWindowTemplate();
    const DialogControl* field = nullptr;
    for (const DialogControl& control : window.Controls)
        if (control.Kind == ControlKind::Picture && control.Resource == BitmapField)
            field = &control;
    ASSERT_NE(field, nullptr);
    const QImage fieldImage = Picture(BitmapField);
    ASSERT_FALSE(fieldImage.isNull());
    const QPoint origin = ToPixels(field->X, field->Y);

    struct Landing {
        int Id;
        bool OnGrass;
    };
    const Landing landings[] = {
        {ids::FirstBasePicture, false},
        {ids::SecondBasePicture, false},
        {ids::ThirdBasePicture, false},
        {ids::BatterPicture, false},
        {ids::BallPicture, true},
    };
    for (const Landing& landing : landings) {
        SCOPED_TRACE(landing.Id);
        const DialogControl* control = FindControl(window, landing.Id);
        ASSERT_NE(control, nullptr);
        const QImage picture = Picture(control->Resource);
        ASSERT_FALSE(picture.isNull());
        const QPoint centre = ToPixels(control->X, control->Y) - origin
                              + QPoint(picture.width() / 2, picture.height() / 2);
        ASSERT_TRUE(fieldImage.rect().contains(centre));
        // A few pixels either way, as the window's font may round a unit differently.
        for (QPoint nudge : {QPoint(0, 0), QPoint(-3, 0), QPoint(3, 0), QPoint(0, -3), QPoint(0, 3)})
            EXPECT_EQ(IsGrass(fieldImage.pixel(centre + nudge)), landing.OnGrass)
                << "at " << centre.x() + nudge.x() << "," << centre.y() + nudge.y();
    }
}

}  // namespace
}  // namespace pennantry
