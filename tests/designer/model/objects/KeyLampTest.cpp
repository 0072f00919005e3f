#include "ObjectPainter.h"
#include "ObjectTestSupport.h"
#include "PictureSource.h"
#include "TLcdKey.h"
#include "TLcdLight.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

TEST(Key, RefitSizesFromTheFlags)
{
    struct Case
    {
        bool invisible, hand, doubleSize;
        int w, h;
    } const cases[] = {
        {false, false, false, 16, 16}, {false, true, false, 32, 16}, {false, false, true, 32, 32},
        {false, true, true, 64, 32},   {true, false, false, 16, 16}, {true, true, true, 16, 16},
    };
    for (const Case& c : cases) {
        TLcdKey key(contextFor(0));
        key.Invisible = c.invisible;
        key.HandMark = c.hand;
        key.DoubleSize = c.doubleSize;
        key.Refit();
        EXPECT_EQ(key.Width, c.w) << c.invisible << c.hand << c.doubleSize;
        EXPECT_EQ(key.Height, c.h) << c.invisible << c.hand << c.doubleSize;
    }
}

TEST(Key, RefitPullsTheKeyBackOntoThePanel)
{
    TLcdKey key(contextFor(0));
    key.MoveTo(180, 50);
    key.HandMark = true;
    key.DoubleSize = true;
    key.Refit();
    EXPECT_EQ(key.X, 128);
    EXPECT_EQ(key.Y, 32);
}

TEST(Key, PictureNamesFollowKeyIndexAndStyle)
{
    struct Case
    {
        int keyIndex;
        bool variant, invisible, reverse;
        int sizeSuffix;
        const char* want;
    } const cases[] = {
        {0, false, false, false, 0, "mKeyleft0"},
        {0, true, false, false, 0, "mKeyup0"},
        {1, false, false, false, 0, "mKeyright0"},
        {1, true, false, true, 0, "mKeydown1"},
        {2, false, false, false, 0, "mKeynum00"},
        {11, true, false, false, 0, "mKeynum90"},
        {12, false, false, true, 0, "mKeyclr1"},
        {13, false, true, true, 0, "mKeyjiajiang2"},
        {0, false, false, false, 32, "mKeyleft032"},
        {5, false, false, false, 24, "mKeynum30"}, // only 16 and 32 are sizes
        {14, false, false, false, 0, ""},
        {-1, false, false, false, 0, ""},
    };
    for (const Case& c : cases) {
        TObjectContext context = contextFor(0);
        context.keyCodeVariant = c.variant;
        TLcdKey key(context);
        key.KeyIndex = c.keyIndex;
        key.Invisible = c.invisible;
        key.Reverse = c.reverse;
        EXPECT_EQ(key.PictureName(c.sizeSuffix), QLatin1String(c.want)) << c.keyIndex;
    }
    EXPECT_EQ(TLcdKey::KeyWord(0), "mKeyesc");
    EXPECT_EQ(TLcdKey::KeyWord(20), "mKeyusb");
    EXPECT_EQ(TLcdKey::KeyWord(21), "");
}

TEST(Lamp, PictureNameShowsShapeAndLitState)
{
    struct Case
    {
        std::uint8_t shape, logic;
        bool simulating, live;
        const char* want;
    } const cases[] = {
        {0, 0, false, false, "mlihgt01"}, // the editor shows positive logic lit
        {1, 1, false, true, "mlihgt10"},  // and negative logic unlit
        {0, 0, true, false, "mlihgt00"},  {0, 0, true, true, "mlihgt01"},
        {1, 1, true, false, "mlihgt11"},  {1, 1, true, true, "mlihgt10"},
    };
    for (const Case& c : cases) {
        TLcdLight lamp(contextFor(0));
        lamp.Shape = c.shape;
        lamp.Logic = c.logic;
        lamp.Simulating = c.simulating;
        lamp.LiveState = c.live;
        EXPECT_EQ(lamp.PictureName(), QLatin1String(c.want));
    }
}

TEST(Lamp, RefitFollowsDoubleSize)
{
    TLcdLight lamp(contextFor(0));
    lamp.Width = 20;
    lamp.DoubleSize = true;
    lamp.Refit();
    EXPECT_EQ(lamp.Width, 32);
    EXPECT_EQ(lamp.Height, 32);
    lamp.DoubleSize = false;
    lamp.Refit();
    EXPECT_EQ(lamp.Width, 16);
}

// Pictures whose width encodes the length of the name asked for.
class NamedPictures : public PictureSource
{
public:
    QImage Picture(const QString& name) const override
    {
        asked.append(name);
        return QImage(int(name.size()), 1, QImage::Format_RGB888);
    }
    mutable QStringList asked;
};

TEST(KeyAndLamp, PicturesComeFromTheInstalledSource)
{
    TLcdKey plainKey(contextFor(0));
    EXPECT_TRUE(plainKey.Glyph.isNull());

    NamedPictures pictures;
    PictureSource::setCurrent(&pictures);
    TLcdKey key(contextFor(0));
    key.KeyIndex = 12;
    key.Reverse = true;
    key.Refit();
    TLcdLight lamp(contextFor(0));
    PictureSource::setCurrent(nullptr);

    EXPECT_TRUE(pictures.asked.contains(QStringLiteral("mKeyclr1")));
    EXPECT_TRUE(pictures.asked.contains(QStringLiteral("mkeysou1")));
    EXPECT_TRUE(pictures.asked.contains(QStringLiteral("mlihgt01")));
    EXPECT_EQ(key.Glyph.width(), 8);
    EXPECT_EQ(key.HandGlyph.width(), 8);
    EXPECT_FALSE(lamp.Glyph.isNull());

    lamp.Refit(); // the source is gone: no picture, nothing drawn
    EXPECT_TRUE(lamp.Glyph.isNull());
}

class CountingPainter : public ObjectPainter
{
public:
    void Paint(TLCDBlockObj& object, QPainter&) override { painted.push_back(object.TypeCode); }
    void PaintBody(TLCDBlockObj& object, QPainter&) override { bodies.push_back(object.TypeCode); }
    std::vector<int> painted, bodies;
};

TEST(Painting, ObjectsHandThemselvesToTheInstalledPainter)
{
    QImage canvas(432, 144, QImage::Format_RGB32);
    QPainter painter(&canvas);
    TLcdKey key(contextFor(0));
    key.Paint(painter); // nothing installed: nothing happens

    CountingPainter counting;
    ObjectPainter::setCurrent(&counting);
    key.Paint(painter);
    TLcdLight lamp(contextFor(0));
    lamp.PaintBody(painter);
    ObjectPainter::setCurrent(nullptr);

    EXPECT_EQ(counting.painted, std::vector<int>{412});
    EXPECT_EQ(counting.bodies, std::vector<int>{411});
}

} // namespace
