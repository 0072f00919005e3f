#include "BmpImage.h"
#include "GbkCodec.h"
#include "LocaleInfo.h"
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

template <class T> T& as(const std::unique_ptr<TLCDBlockObj>& object)
{
    auto* typed = dynamic_cast<T*>(object.get());
    if (!typed)
        throw std::runtime_error("wrong type");
    return *typed;
}

// The common header as the table lays it out.
void header(TBinaryWriter& w, double version, int typeCode, int x, int y, int width, int height)
{
    w.f64(version);
    w.string("0007_id");
    w.i32(77); // SpareWord
    w.i32(typeCode);
    w.i32(x);
    w.i32(y);
    w.i32(width);
    w.i32(height);
}

// The text part of a record before 1.4: no Windows font.
void oldTextPart(TBinaryWriter& w, const QByteArray& text)
{
    w.fixed(QByteArray(100, '\x5A'), 100);
    w.string(text);
    w.u8(1);  // DoubleSize
    w.u8(0);  // Reverse
    w.i32(9); // SpareInt
}

void textPart(TBinaryWriter& w, const QByteArray& text)
{
    oldTextPart(w, text);
    w.u8(1);   // UseWinFont
    w.u8(134); // charset
    w.zeros(3);
    w.i32(0x00FF00); // colour
    w.i32(-21);      // height
    const QByteArray name(30, 'N');
    w.u8(30);
    w.bytes(name);
    w.u8(2);    // pitch
    w.i32(16);  // size
    w.u8(0x0F); // style
    w.zeros(3);
}

void expectFullyRead(const QByteArray& record, int typeCode)
{
    qsizetype end = 0;
    loadRecord(typeCode, record, 0, &end);
    EXPECT_EQ(end, record.size()) << typeCode;
}

TEST(Record, EveryTypeSurvivesLoadAndSaveByteForByte)
{
    for (int code : objectTypeCodes()) {
        auto object = fixtureObject(code);
        const QByteArray first = recordOf(*object);
        qsizetype end = 0;
        auto loaded = loadRecord(code, first, 0, &end);
        EXPECT_EQ(end, first.size()) << code;
        EXPECT_EQ(recordOf(*loaded), first) << code;
    }
}

TEST(Record, NewObjectsSurviveLoadAndSaveByteForByte)
{
    for (int code : objectTypeCodes()) {
        auto object = CreateObject(code, contextFor(0));
        const QByteArray first = recordOf(*object);
        EXPECT_EQ(recordOf(*loadRecord(code, first)), first) << code;
    }
}

TEST(Record, EveryCutShortRecordIsAReadError)
{
    for (int code : objectTypeCodes()) {
        const QByteArray record = recordOf(*fixtureObject(code));
        for (qsizetype n = 0; n < record.size(); ++n)
            EXPECT_THROW(loadRecord(code, record.left(n)), EReadError) << code << " cut at " << n;
    }
}

TEST(Record, ReadErrorsNameTheFileAndTheField)
{
    const QByteArray record = recordOf(*fixtureObject(415));
    try {
        loadRecord(415, record.left(record.size() - 3));
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_NE(std::string(e.what()).find("test.lzd"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("UnitTexts"), std::string::npos) << e.what();
    }
}

TEST(Record, StaticTextLayoutWithFont)
{
    TBinaryWriter w;
    header(w, 1.5, 413, 1, 2, 3, 4);
    textPart(w, "abc");
    const QByteArray record = w.data();
    ASSERT_EQ(record.size(), 8 + (2 + 7 + 1) + 24 + 100 + (2 + 3 + 1) + 1 + 1 + 4 + 1 + 52);

    auto object = loadRecord(413, record);
    auto& text = as<TLcdText>(object);
    EXPECT_EQ(text.ObjectId, "0007_id");
    EXPECT_EQ(text.SpareWord, 77);
    EXPECT_EQ(text.X, 1);
    EXPECT_EQ(text.Height, 4);
    EXPECT_EQ(text.ReservedBlock, QByteArray(100, '\x5A'));
    EXPECT_EQ(text.Text, "abc");
    EXPECT_TRUE(text.DoubleSize);
    EXPECT_EQ(text.SpareInt, 9);
    EXPECT_TRUE(text.UseWinFont);
    EXPECT_EQ(text.Font.Charset, 134);
    EXPECT_EQ(text.Font.Color, 0x00FF00);
    EXPECT_EQ(text.Font.Height, -21);
    EXPECT_EQ(text.Font.Name, QByteArray(30, 'N'));
    EXPECT_EQ(text.Font.Pitch, 2);
    EXPECT_EQ(text.Font.Size, 16);
    EXPECT_EQ(text.Font.Style, 0x0F);
    EXPECT_EQ(recordOf(text), record);
}

TEST(Record, FontNameIsCutToThirtyBytesAndPadsAreZero)
{
    TLcdText text(contextFor(0));
    text.Font.Name = QByteArray(40, 'L');
    const QByteArray record = recordOf(text);
    const QByteArray font = record.right(52);
    EXPECT_EQ(font.mid(1, 3), QByteArray(3, '\0'));
    EXPECT_EQ(quint8(font[12]), 30);
    EXPECT_EQ(font.mid(13, 30), QByteArray(30, 'L'));
    EXPECT_EQ(font.right(3), QByteArray(3, '\0'));

    // A damaged length byte is held to the field.
    QByteArray damaged = record;
    damaged[record.size() - 52 + 12] = char(200);
    EXPECT_EQ(as<TLcdText>(loadRecord(413, damaged)).Font.Name, QByteArray(30, 'L'));
}

TEST(Record, TextBelowVersion14HasNoFont)
{
    TBinaryWriter w;
    header(w, 1.3, 413, 0, 0, 24, 16);
    oldTextPart(w, "old");
    expectFullyRead(w.data(), 413);
    auto object = loadRecord(413, w.data());
    auto& text = as<TLcdText>(object);
    EXPECT_EQ(text.Text, "old");
    EXPECT_FALSE(text.UseWinFont);
    EXPECT_EQ(text.Font, TFontRecord());
    EXPECT_EQ(text.RecordVersion, 1.3);
    recordOf(text);
    EXPECT_EQ(text.RecordVersion, 1.5);
}

TEST(Record, StateTextLayout)
{
    TBinaryWriter w;
    header(w, 1.5, 414, 0, 0, 64, 16);
    textPart(w, "T");
    w.u8(5);
    w.i32(1);
    w.i32(70000);
    w.i32(2);
    w.i32(3);
    w.u8(1);
    for (int i = 0; i < 32; ++i) {
        w.string(QByteArray::number(i));
        w.string(i == 31 ? QByteArray("last") : QByteArray());
    }
    auto object = loadRecord(414, w.data());
    auto& state = as<TLcdDText>(object);
    EXPECT_EQ(state.StationNo, 5);
    EXPECT_EQ(state.Addr1, 70000);
    EXPECT_EQ(state.Addr3, 3);
    EXPECT_EQ(state.HexValues, 1);
    EXPECT_EQ(state.States[31].ValueText, "31");
    EXPECT_EQ(state.States[31].Caption, "last");
    EXPECT_EQ(recordOf(state), w.data());
}

TEST(Record, StateText12ReadsThePackedBinding)
{
    TBinaryWriter w;
    header(w, 1.2, 414, 0, 0, 64, 16);
    oldTextPart(w, "T");
    w.u8(4);
    w.bytes("\xAA\xBB\xCC"); // pad: ignored
    w.i32(2);
    w.u16(40000);
    w.u16(5);
    w.u16(6);
    w.u8(1);
    w.u8(0xEE);
    for (int i = 0; i < 32; ++i) {
        w.string(i == 0 ? QByteArray("7") : QByteArray());
        w.string(i == 0 ? QByteArray("seven") : QByteArray());
    }
    expectFullyRead(w.data(), 414);
    auto object = loadRecord(414, w.data());
    auto& state = as<TLcdDText>(object);
    EXPECT_EQ(state.StationNo, 4);
    EXPECT_EQ(state.AddrType, 2);
    EXPECT_EQ(state.Addr1, 40000);
    EXPECT_EQ(state.Addr2, 5);
    EXPECT_EQ(state.Addr3, 6);
    EXPECT_EQ(state.HexValues, 1);
    EXPECT_EQ(state.States[0].Caption, "seven");
}

void registerTailFields(TBinaryWriter& w, bool packed)
{
    w.i32(6); // Digits
    w.i32(1); // Decimals
    w.i32(2); // DataFormat
    w.u8(1);  // Signed
    if (packed)
        w.zeros(3);
    w.i32(8);  // StationNo
    w.i32(3);  // AddrType
    w.i32(2);  // RegCount
    w.i32(11); // Addr1
    w.i32(12); // Addr2
    w.i32(13); // Addr3
    w.u8(1);   // InputEnabled
    w.u8(0);   // InputPassword
    w.u8(1);   // LimitEnabled
    if (packed)
        w.zeros(1);
    w.i32(1);          // LimitOn
    w.i64(5000000000); // InputMax
    w.i64(-2);         // InputMin
    w.i64(70000);      // EngMax
    w.i64(-70000);     // EngMin
}

void expectRegisterTail(const TLcdFText& reg)
{
    EXPECT_EQ(reg.Digits, 6);
    EXPECT_EQ(reg.Decimals, 1);
    EXPECT_EQ(reg.DataFormat, 2);
    EXPECT_TRUE(reg.Signed);
    EXPECT_EQ(reg.StationNo, 8);
    EXPECT_EQ(reg.AddrType, 3);
    EXPECT_EQ(reg.RegCount, 2);
    EXPECT_EQ(reg.Addr1, 11);
    EXPECT_EQ(reg.Addr3, 13);
    EXPECT_TRUE(reg.InputEnabled);
    EXPECT_FALSE(reg.InputPassword);
    EXPECT_TRUE(reg.LimitEnabled);
    EXPECT_EQ(reg.LimitOn, 1);
    EXPECT_EQ(reg.InputMax, 5000000000);
    EXPECT_EQ(reg.InputMin, -2);
    EXPECT_EQ(reg.EngMax, 70000);
    EXPECT_EQ(reg.EngMin, -70000);
    // The placeholder is rebuilt whatever text the record carried.
    EXPECT_EQ(reg.Text, "-12345" + GbkCodec::fromUnicode(QString(DecimalSeparator())) + "6");
}

TEST(Record, RegisterLayoutWithUnits)
{
    TBinaryWriter w;
    header(w, 1.5, 415, 0, 0, 40, 16);
    textPart(w, "-12345" + GbkCodec::fromUnicode(QString(DecimalSeparator())) + "6");
    registerTailFields(w, false);
    w.u8(1);
    w.string("kg");
    w.string("t");
    w.string(GbkCodec::fromUnicode(QStringLiteral("吨")));
    auto object = loadRecord(415, w.data());
    auto& reg = as<TLcdFText>(object);
    expectRegisterTail(reg);
    EXPECT_TRUE(reg.HasUnits);
    EXPECT_EQ(reg.UnitTexts[0], "kg");
    EXPECT_EQ(reg.UnitTexts[2], GbkCodec::fromUnicode(QStringLiteral("吨")));
    EXPECT_EQ(recordOf(reg), w.data());

    // Without units the unit texts are neither read nor written.
    reg.HasUnits = false;
    const QByteArray withoutUnits = recordOf(reg);
    EXPECT_EQ(withoutUnits.size(), w.data().size() - (2 + 2 + 1) - (2 + 1 + 1) - (2 + 2 + 1));
    expectFullyRead(withoutUnits, 415);
}

TEST(Record, Register12ReadsThePackedBlock)
{
    TBinaryWriter w;
    header(w, 1.2, 415, 0, 0, 40, 16);
    oldTextPart(w, "stale");
    const qsizetype blockStart = w.pos();
    registerTailFields(w, true);
    ASSERT_EQ(w.pos() - blockStart, 80);
    w.u8(1);
    w.string("a");
    w.string("b");
    w.string("c");
    expectFullyRead(w.data(), 415);
    auto object = loadRecord(415, w.data());
    auto& reg = as<TLcdFText>(object);
    expectRegisterTail(reg);
    EXPECT_EQ(reg.UnitTexts[1], "b");
}

TEST(Record, Register10HasNoUnits)
{
    TBinaryWriter w;
    header(w, 1.0, 415, 0, 0, 40, 16);
    oldTextPart(w, "stale");
    registerTailFields(w, true);
    expectFullyRead(w.data(), 415);
    // A model whose registers have units by default still loads an old
    // register without them.
    auto object = CreateObject(415, contextFor(125));
    ASSERT_TRUE(as<TLcdFText>(object).HasUnits);
    TBinaryReader in(w.data());
    object->LoadFromStream(in);
    expectRegisterTail(as<TLcdFText>(object));
    EXPECT_FALSE(as<TLcdFText>(object).HasUnits);
    EXPECT_EQ(as<TLcdFText>(object).UnitTexts[0], "m");
}

void lampTail(TBinaryWriter& w, bool packed)
{
    for (int v : {3, 100, 2, 1, 4})
        w.i32(v);
    w.u8(1); // DoubleSize
    w.u8(1); // Shape
    w.u8(1); // Logic
    if (packed)
        w.u8(0xEE);
}

TEST(Record, LampLayoutsOfBothVersions)
{
    for (bool packed : {false, true}) {
        TBinaryWriter w;
        header(w, packed ? 1.2 : 1.5, 411, 5, 5, 16, 16);
        lampTail(w, packed);
        expectFullyRead(w.data(), 411);
        auto object = loadRecord(411, w.data());
        auto& lamp = as<TLcdLight>(object);
        EXPECT_EQ(lamp.StationNo, 3);
        EXPECT_EQ(lamp.Addr1, 100);
        EXPECT_EQ(lamp.Addr3, 1);
        EXPECT_EQ(lamp.AddrType, 4);
        EXPECT_TRUE(lamp.DoubleSize);
        EXPECT_EQ(lamp.Shape, 1);
        EXPECT_EQ(lamp.Logic, 1);
        // Derived state: the stored 16 x 16 becomes 32 x 32 for a double lamp.
        EXPECT_EQ(lamp.Width, 32);
        EXPECT_EQ(lamp.Height, 32);
    }
}

void keyTail(TBinaryWriter& w, bool packed)
{
    w.u8(0); // DoubleSize
    w.u8(1); // Reverse
    if (packed)
        w.zeros(2);
    w.i32(12); // KeyIndex
    w.u8(1);   // HandMark
    w.u8(0);   // Invisible
    w.u8(1);   // KeyPassword
    if (packed)
        w.zeros(1);
    for (int v = 100; v < 116; ++v) // Action .. Value
        w.i32(v == 100 ? 2 : v);
    for (int v = 0; v < 5; ++v)
        w.i32(-v);
}

TEST(Record, KeyLayoutsOfBothVersions)
{
    for (bool packed : {false, true}) {
        TBinaryWriter w;
        header(w, packed ? 1.2 : 1.5, 412, 0, 0, 16, 16);
        keyTail(w, packed);
        expectFullyRead(w.data(), 412);
        auto object = loadRecord(412, w.data());
        auto& key = as<TLcdKey>(object);
        EXPECT_FALSE(key.DoubleSize);
        EXPECT_TRUE(key.Reverse);
        EXPECT_EQ(key.KeyIndex, 12);
        EXPECT_TRUE(key.HandMark);
        EXPECT_FALSE(key.Invisible);
        EXPECT_TRUE(key.KeyPassword);
        EXPECT_EQ(key.Action, 2);
        EXPECT_EQ(key.CoilStation, 101);
        EXPECT_EQ(key.CoilOp, 106);
        EXPECT_EQ(key.JumpScreen, 108);
        EXPECT_EQ(key.RegStation, 109);
        EXPECT_EQ(key.Value, 115);
        EXPECT_EQ(key.SpareInts[4], -4);
        EXPECT_EQ(key.Width, 32); // refitted: a hand mark makes it 32 wide
        if (!packed) {
            key.Width = 16; // what the record held
            EXPECT_EQ(recordOf(key), w.data());
        }
    }
}

TEST(Record, BarGraphLayoutsOfBothVersions)
{
    for (bool packed : {false, true}) {
        TBinaryWriter w;
        header(w, packed ? 1.2 : 1.5, 416, 0, 0, 16, 48);
        for (int v : {1, 2, 3, 4, 5, 6})
            w.i32(v);
        w.u8(2);
        w.u8(1);
        if (packed)
            w.zeros(2);
        w.i32(30);
        w.i32(40);
        if (packed)
            w.zeros(4);
        w.i64(1000000);
        w.i64(-1000000);
        w.i32(2);
        if (packed)
            w.zeros(4);
        expectFullyRead(w.data(), 416);
        auto object = loadRecord(416, w.data());
        auto& bar = as<TLcdBZTU>(object);
        EXPECT_EQ(bar.StationNo, 1);
        EXPECT_EQ(bar.RegCount, 5);
        EXPECT_EQ(bar.AddrType, 6);
        EXPECT_EQ(bar.DataFormat, 2);
        EXPECT_TRUE(bar.Signed);
        EXPECT_EQ(bar.SpareW, 30);
        EXPECT_EQ(bar.SpareH, 40);
        EXPECT_EQ(bar.FullScale, 1000000);
        EXPECT_EQ(bar.ZeroScale, -1000000);
        EXPECT_EQ(bar.Direction, 2);
        if (!packed) {
            EXPECT_EQ(recordOf(bar), w.data());
        }
    }
}

TEST(Record, TrendChartLayoutsOfBothVersions)
{
    for (bool packed : {false, true}) {
        TBinaryWriter w;
        header(w, packed ? 1.2 : 1.5, 417, 0, 0, 96, 48);
        for (int v : {1, 2, 3, 4, 5, 6, 1})
            w.i32(v);
        w.u8(1);
        if (packed)
            w.zeros(3);
        w.i64(500);
        w.i64(-500);
        w.i32(40);
        w.i32(9);
        expectFullyRead(w.data(), 417);
        auto object = loadRecord(417, w.data());
        auto& chart = as<Tlcdqushitu>(object);
        EXPECT_EQ(chart.StationNo, 1);
        EXPECT_EQ(chart.AddrType, 6);
        EXPECT_EQ(chart.DataFormat, 1);
        EXPECT_TRUE(chart.Signed);
        EXPECT_EQ(chart.FullScale, 500);
        EXPECT_EQ(chart.ZeroScale, -500);
        EXPECT_EQ(chart.DotCount, 40);
        EXPECT_EQ(chart.SampleInterval, 9);
        if (!packed) {
            EXPECT_EQ(recordOf(chart), w.data());
        }
    }
}

TEST(Record, MessageDisplayLayout)
{
    TBinaryWriter w;
    header(w, 1.5, 420, 0, 0, 24, 16);
    textPart(w, "OFF");
    for (int v : {2, 10, 11, 12, 1})
        w.i32(v);
    w.u8(7);
    w.u8(8);
    w.u8(9);
    w.string("on");
    w.string("off");
    auto object = loadRecord(420, w.data());
    auto& message = as<TLcdLightDtext>(object);
    EXPECT_EQ(message.StationNo, 2);
    EXPECT_EQ(message.Addr1, 10);
    EXPECT_EQ(message.AddrType, 1);
    EXPECT_EQ(message.Flags, (std::array<std::uint8_t, 3>{7, 8, 9}));
    EXPECT_EQ(message.OnCaption, "on");
    EXPECT_EQ(message.OffCaption, "off");
    EXPECT_EQ(recordOf(message), w.data());
}

void clockTail(TBinaryWriter& w, int format, bool withWeek, bool week)
{
    w.u8(6);
    for (int v : {1, 20, 21, 22})
        w.i32(v);
    w.u8(0x33); // spare
    w.u8(1);
    w.u8(0);
    w.i32(format);
    w.u8(1);
    w.i32(6);
    if (withWeek)
        w.u8(week ? 1 : 0);
}

TEST(Record, TimeDisplayLayoutAndWeekModeGate)
{
    TBinaryWriter w;
    header(w, 1.5, 421, 0, 0, 64, 16);
    textPart(w, "WEEK  HH-MM-SS");
    clockTail(w, 0, true, true);
    auto object = loadRecord(421, w.data());
    auto& clock = as<TLcdTimepiece>(object);
    EXPECT_EQ(clock.StationNo, 6);
    EXPECT_EQ(clock.AddrType, 1);
    EXPECT_EQ(clock.Addr3, 22);
    EXPECT_EQ(clock.SpareByte, 0x33);
    EXPECT_TRUE(clock.InputEnabled);
    EXPECT_FALSE(clock.InputPassword);
    EXPECT_TRUE(clock.ClockBlock);
    EXPECT_EQ(clock.CharCount, 6);
    EXPECT_TRUE(clock.WeekMode);
    EXPECT_EQ(recordOf(clock), w.data());

    // Before 1.5 there is no week byte; the text follows the stored format.
    TBinaryWriter old;
    header(old, 1.4, 421, 0, 0, 64, 16);
    textPart(old, "stale");
    clockTail(old, 4, false, false);
    expectFullyRead(old.data(), 421);
    auto oldObject = loadRecord(421, old.data());
    EXPECT_FALSE(as<TLcdTimepiece>(oldObject).WeekMode);
    EXPECT_EQ(as<TLcdTimepiece>(oldObject).Text, "MM-SS");
}

// ---- bitmaps ----

QByteArray smallBmp()
{
    QImage image(10, 3, QImage::Format_RGB32);
    image.fill(Qt::black);
    image.setPixel(0, 0, qRgb(255, 255, 255));
    image.setPixel(9, 2, qRgb(255, 255, 255));
    return BmpImage::Encode(image);
}

// A bitmap record with the given PictureEnd, at byte 8 of a buffer that
// starts with an 8-byte prefix, followed by trailing bytes.
QByteArray bitmapRecord(const QByteArray& bmp, std::int32_t pictureEndDelta, const QByteArray& after,
                        std::uint8_t hasPicture = 1)
{
    TBinaryWriter w;
    w.bytes("PREFIX!!");
    header(w, 1.5, 418, 1, 1, 10, 3);
    w.u8(hasPicture);
    const std::int32_t imageStart = std::int32_t(w.pos() + 4);
    w.i32(imageStart + std::int32_t(bmp.size()) + pictureEndDelta);
    w.bytes(bmp);
    w.bytes(after);
    return w.data();
}

TEST(Bitmap, PictureEndIsAnAbsolutePositionInTheFile)
{
    TBinaryWriter w;
    w.bytes("PREFIX!!");
    auto object = fixtureObject(418);
    object->SaveToStream(w);
    const QByteArray file = w.data();
    const qsizetype fieldAt = 8 + 8 + 2 + object->ObjectId.size() + 1 + 24 + 1;
    TBinaryReader in(file);
    in.skip(fieldAt, "to PictureEnd");
    EXPECT_EQ(in.i32("PictureEnd"), file.size());

    qsizetype end = 0;
    auto loaded = loadRecord(418, file, 8, &end);
    EXPECT_EQ(end, file.size());
    EXPECT_EQ(as<TLcdBitmap>(loaded).Picture.size(), QSize(9, 3));
    TBinaryWriter again;
    again.bytes("PREFIX!!");
    loaded->SaveToStream(again);
    EXPECT_EQ(again.data(), file);
}

TEST(Bitmap, ReaderFollowsPictureEndWhateverTheImageTook)
{
    const QByteArray bmp = smallBmp();
    const QByteArray marker("\x01\x02\x03\x04", 4);

    // The image is shorter than PictureEnd says: the gap is skipped, and kept.
    const QByteArray longer = bitmapRecord(bmp, 5, QByteArray(5, 'j') + marker);
    qsizetype end = 0;
    auto object = loadRecord(418, longer, 8, &end);
    EXPECT_EQ(end, longer.size() - 4);
    EXPECT_EQ(as<TLcdBitmap>(object).Picture.size(), QSize(10, 3));
    TBinaryWriter again;
    again.bytes("PREFIX!!");
    object->SaveToStream(again);
    EXPECT_EQ(again.data(), longer.left(longer.size() - 4));

    // The image runs past PictureEnd (older writers): it still decodes, the
    // reader goes on at PictureEnd, and a save writes a whole image again.
    const QByteArray shorter = bitmapRecord(bmp, -4, marker);
    object = loadRecord(418, shorter, 8, &end);
    EXPECT_EQ(end, shorter.size() - 8);
    const QImage picture = as<TLcdBitmap>(object).Picture;
    EXPECT_EQ(picture.size(), QSize(10, 3));
    EXPECT_EQ(picture.pixel(9, 2), qRgb(255, 255, 255));
    EXPECT_EQ(as<TLcdBitmap>(object).PictureBytes(), bmp);
}

TEST(Bitmap, BadPictureEndsAndImagesAreReadErrors)
{
    const QByteArray bmp = smallBmp();
    const int size = int(bmp.size());
    struct Case
    {
        const char* what;
        QByteArray record;
        const char* field;
    } const cases[] = {
        {"just before the image", bitmapRecord(bmp, -size - 1, {}), "PictureEnd"},
        {"at its own field", bitmapRecord(bmp, -size - 4, {}), "PictureEnd"},
        {"negative", bitmapRecord(bmp, -size - 1000, {}), "PictureEnd"},
        {"beyond the file", bitmapRecord(bmp, 1, {}), "PictureEnd"},
        {"not a BMP", bitmapRecord(QByteArray(60, 'x'), 0, {}), "Picture"},
        {"cut short by the end of the file", bitmapRecord(bmp.left(size - 1), 0, {}), "Picture"},
        {"a damaged header", bitmapRecord(bmp.left(20) + QByteArray(size - 20, '\xFF'), 0, {}), "Picture"},
    };
    for (const Case& c : cases) {
        try {
            loadRecord(418, c.record, 8);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.field), std::string::npos) << c.what << ": " << e.what();
        }
    }
}

TEST(Bitmap, RecordWithoutPictureSkipsToPictureEnd)
{
    const QByteArray record = bitmapRecord(QByteArray(12, 'z'), 0, "tail", 0);
    qsizetype end = 0;
    auto object = loadRecord(418, record, 8, &end);
    EXPECT_EQ(end, record.size() - 4);
    EXPECT_TRUE(as<TLcdBitmap>(object).Picture.isNull());
    const QByteArray saved = recordOf(*object);
    EXPECT_EQ(saved.at(saved.size() - 5), '\0'); // HasPicture 0, PictureEnd just after
    expectFullyRead(saved, 418);
}

} // namespace
