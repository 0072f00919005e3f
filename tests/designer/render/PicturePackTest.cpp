#include "TCursorShapes.h"
#include "TPicturePack.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PicturePack, KeysLampsAndDigitsByName)
{
    TPicturePack keys(QStringLiteral("kelvo"));
    ASSERT_TRUE(keys.load(QStringLiteral(ZD740_BIN_DIR "/lib/kelvo.rcc")));
    EXPECT_EQ(keys.picture("mKeyleft0").size(), QSize(36, 36));
    EXPECT_EQ(keys.picture("mKeyjiajiang2").size(), QSize(36, 36));
    EXPECT_EQ(keys.picture("mKeyent132").size(), QSize(32, 32));
    EXPECT_FALSE(keys.picture("mkeysou1").isNull());
    EXPECT_FALSE(keys.picture("mlihgt11").isNull());
    EXPECT_TRUE(keys.picture("mKeynothing0").isNull());

    TPicturePack digits(QStringLiteral("glyphbin"));
    ASSERT_TRUE(digits.load(QStringLiteral(ZD740_BIN_DIR "/lib/glyphbin.rcc")));
    const QImage seven = digits.picture("mftext007");
    ASSERT_EQ(seven.size(), QSize(18, 36));
    EXPECT_EQ(digits.picture("mftext1026").size(), QSize(36, 72));
    // Unlit dots carry the transparent colour; lit ones are white.
    EXPECT_EQ(seven.pixelColor(0, 0), QColor(0, 128, 128));
    bool lit = false;
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 18; ++x)
            lit = lit || seven.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_TRUE(lit);
}

TEST(PicturePack, AMissingOrBrokenPackGivesNoPictures)
{
    QTemporaryDir dir;
    TPicturePack pack(QStringLiteral("kelvo"));
    EXPECT_FALSE(pack.load(dir.path() + "/kelvo.rcc"));
    QFile junk(dir.path() + "/junk.rcc");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a resource file");
    junk.close();
    EXPECT_FALSE(pack.load(junk.fileName()));
    EXPECT_FALSE(pack.isLoaded());
    EXPECT_TRUE(pack.picture("mKeyleft0").isNull());
}

TEST(CursorShapes, PicturesReplaceTheSystemShapes)
{
    TCursorShapes shapes;
    EXPECT_EQ(shapes.shape(4).shape(), Qt::CrossCursor);
    EXPECT_EQ(shapes.shape(14).shape(), Qt::SizeAllCursor);
    EXPECT_EQ(shapes.shape(99).shape(), Qt::ArrowCursor);

    QTemporaryDir empty;
    EXPECT_FALSE(shapes.load(empty.path() + "/"));
    EXPECT_EQ(shapes.shape(10).shape(), Qt::SizeVerCursor);

    ASSERT_TRUE(shapes.load(QStringLiteral(ZD740_BIN_DIR "/lib/")));
    EXPECT_EQ(shapes.shape(10).shape(), Qt::BitmapCursor);
    EXPECT_EQ(shapes.shape(14).hotSpot(), QPoint(16, 16));
    EXPECT_EQ(shapes.shape(1).hotSpot(), QPoint(1, 1));
}
