#include "GbkCodec.h"
#include "ObjectTestSupport.h"
#include "TLcdBZTU.h"
#include "TLcdBitmap.h"
#include "TLcdDText.h"
#include "TLcdFText.h"
#include "TLcdKey.h"
#include "TLcdLight.h"
#include "TLcdLightDtext.h"
#include "TLcdText.h"
#include "TLcdTimepiece.h"
#include "Tlcdqushitu.h"

#include <gtest/gtest.h>

namespace {

// Assign copies every stored field the copy rules name; the fixtures set all
// of them away from their defaults, so a copy's record equals the source's.
TEST(Assign, CopiesEveryFieldOfEachType)
{
    for (int code : objectTypeCodes()) {
        auto source = fixtureObject(code);
        auto copy = CreateObject(code, contextFor(0));
        copy->Assign(*source);
        EXPECT_NE(copy->ObjectId, source->ObjectId) << code;
        copy->ObjectId = source->ObjectId;
        EXPECT_EQ(recordOf(*copy), recordOf(*source)) << code;
    }
}

TEST(Assign, TimeDisplayKeepsFormatInputAndClockBlock)
{
    TLcdTimepiece source(contextFor(0));
    source.SetTimeFormat(7);
    source.InputEnabled = true;
    source.InputPassword = true;
    source.ClockBlock = true;
    TLcdTimepiece copy(contextFor(0));
    copy.Assign(source);
    EXPECT_EQ(copy.TimeFormat, 7);
    EXPECT_EQ(copy.Text, "MS");
    EXPECT_TRUE(copy.InputEnabled);
    EXPECT_TRUE(copy.InputPassword);
    EXPECT_TRUE(copy.ClockBlock);
}

TEST(Assign, LeavesIdentityAndReservedFieldsAlone)
{
    TLcdText source(contextFor(0));
    source.ReservedBlock.fill('\x11');
    source.SpareInt = 5;
    source.SpareWord = 6;
    source.Selected = true;
    source.SeqNo = 3;
    TLcdText copy(contextFor(0));
    const QByteArray id = copy.ObjectId;
    copy.Assign(source);
    EXPECT_EQ(copy.ObjectId, id);
    EXPECT_EQ(copy.ReservedBlock, QByteArray(100, char(0xFF)));
    EXPECT_EQ(copy.SpareInt, 0);
    EXPECT_EQ(copy.SpareWord, 0);
    EXPECT_TRUE(copy.Selected);
    EXPECT_EQ(copy.SeqNo, 3);
}

TEST(Assign, BitmapCopyIsIndependentOfItsSource)
{
    auto source = fixtureObject(418);
    auto* bitmap = dynamic_cast<TLcdBitmap*>(source.get());
    TLcdBitmap copy(contextFor(0));
    copy.Assign(*bitmap);
    bitmap->Picture.setPixel(0, 0, qRgb(0, 0, 0));
    EXPECT_EQ(copy.Picture.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_NE(bitmap->PictureBytes(), copy.PictureBytes()); // a changed picture is encoded anew
}

TEST(Defaults, ComeFromDevrollForThePlcModel)
{
    // Model 3 has station 2 by default; 8 puts new words at 1024; 125 gives
    // lamps address 1 and registers unit texts.
    TLcdDText state3(contextFor(3));
    TLcdFText reg3(contextFor(3));
    TLcdKey key3(contextFor(3));
    EXPECT_EQ(state3.StationNo, 2);
    EXPECT_EQ(reg3.StationNo, 2);
    EXPECT_EQ(key3.CoilStation, 2);
    EXPECT_EQ(key3.RegStation, 2);

    TLcdFText reg8(contextFor(8));
    TLcdBZTU bar8(contextFor(8));
    TLcdLight lamp8(contextFor(8));
    EXPECT_EQ(reg8.StationNo, 1);
    EXPECT_EQ(reg8.Addr1, 1024);
    EXPECT_EQ(reg8.Addr3, 1024);
    EXPECT_EQ(bar8.Addr1, 1024);
    EXPECT_EQ(lamp8.Addr1, 0);
    EXPECT_FALSE(reg8.HasUnits);

    TLcdLight lamp125(contextFor(125));
    TLcdFText reg125(contextFor(125));
    TLcdLightDtext message125(contextFor(125));
    EXPECT_EQ(lamp125.StationNo, 0);
    EXPECT_EQ(lamp125.Addr1, 1);
    EXPECT_EQ(message125.Addr1, 0);
    EXPECT_TRUE(reg125.HasUnits);

    TLcdFText reg26(contextFor(26));
    EXPECT_EQ(reg26.Digits, 8);
    EXPECT_EQ(reg26.Text, "12345678");
}

TEST(Defaults, OfEachType)
{
    TLcdBZTU bar(contextFor(0));
    EXPECT_EQ(bar.Width, 16);
    EXPECT_EQ(bar.Height, 48);
    EXPECT_EQ(bar.FullScale, 65535);
    EXPECT_EQ(bar.ZeroScale, 0);
    Tlcdqushitu chart(contextFor(0));
    EXPECT_EQ(chart.Width, 96);
    EXPECT_EQ(chart.Height, 48);
    EXPECT_EQ(chart.SampleInterval, 5);
    TLcdKey key(contextFor(0));
    EXPECT_EQ(key.Action, 1);
    TLcdFText reg(contextFor(0));
    EXPECT_EQ(reg.InputMax, 65535);
    EXPECT_EQ(reg.UnitTexts[2], "1/100s");
    TLcdBitmap bitmap(contextFor(0));
    EXPECT_EQ(bitmap.Picture.size(), QSize(16, 16));
    EXPECT_EQ(bitmap.Picture.pixel(5, 5), qRgb(0, 0, 0));
}

TEST(Defaults, CreateObjectMakesTheTypeOfEachCode)
{
    for (int code : objectTypeCodes()) {
        auto object = CreateObject(code, contextFor(0));
        ASSERT_NE(object, nullptr) << code;
        EXPECT_EQ(object->TypeCode, code);
        EXPECT_EQ(object->RecordVersion, 1.5);
    }
    for (int code : {0, 300, 410, 419, 422})
        EXPECT_EQ(CreateObject(code, contextFor(0)), nullptr) << code;
    EXPECT_NE(dynamic_cast<Tlcdqushitu*>(CreateObject(417, contextFor(0)).get()), nullptr);
    EXPECT_NE(dynamic_cast<TLcdText*>(CreateObject(421, contextFor(0)).get()), nullptr);
}

TEST(Defaults, PlacementSizes)
{
    const TObjectContext context = contextFor(0);
    TLcdBitmap::SetLastPictureSize({30, 12});
    const struct
    {
        int code;
        QSize size;
    } cases[] = {
        {411, {16, 16}}, {412, {16, 16}}, {413, {48, 16}}, {414, {64, 16}}, {415, {40, 16}}, {416, {16, 48}},
        {417, {96, 48}}, {418, {30, 12}}, {420, {24, 16}}, {421, {72, 16}}, {419, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultPlacementSize(c.code, context), c.size) << c.code;
    TLcdBitmap::SetLastPictureSize({16, 16});
}

TEST(Bitmap, SetPictureReducesToBlackAndWhiteAndTakesItsSize)
{
    QImage colours(3, 2, QImage::Format_RGB32);
    colours.setPixel(0, 0, qRgb(200, 200, 200)); // light: white
    colours.setPixel(1, 0, qRgb(0, 0, 255));     // dark blue: black
    colours.setPixel(2, 0, qRgb(128, 128, 128)); // 128 is not above 128: black
    colours.setPixel(0, 1, qRgb(255, 255, 0));
    colours.setPixel(1, 1, qRgb(10, 10, 10));
    colours.setPixel(2, 1, qRgb(129, 129, 129));
    TLcdBitmap bitmap(contextFor(0));
    bitmap.SetPicture(colours);
    EXPECT_EQ(bitmap.Width, 3);
    EXPECT_EQ(bitmap.Height, 2);
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    const QRgb want[2][3] = {{white, black, black}, {white, black, white}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(bitmap.Picture.pixel(x, y), want[y][x]) << x << "," << y;

    bitmap.SizeMode = 1;
    bitmap.SetPicture(QImage(5, 5, QImage::Format_RGB32));
    EXPECT_EQ(bitmap.Width, 3);
}

} // namespace
