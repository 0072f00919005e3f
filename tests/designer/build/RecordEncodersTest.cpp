// Object records against the panel's record tables, for built-in PLC models.
// Dot images inside records come from ObjectDotImages, tested on their own.

#include "AppPaths.h"
#include "EEncodeError.h"
#include "EncodeBarGraph.h"
#include "EncodeBitmap.h"
#include "EncodeFunctionKey.h"
#include "EncodeLamp.h"
#include "EncodeMessageDisplay.h"
#include "EncodeRegister.h"
#include "EncodeStateText.h"
#include "EncodeStaticText.h"
#include "EncodeTimeDisplay.h"
#include "EncodeTrendChart.h"
#include "LogWriters.h"
#include "ObjectDotImages.h"
#include "TCharMetrics.h"
#include "TLcdBZTU.h"
#include "TLcdBitmap.h"
#include "TLcdDText.h"
#include "TLcdFText.h"
#include "TLcdKey.h"
#include "TLcdLight.h"
#include "TLcdLightDtext.h"
#include "TLcdTimepiece.h"
#include "Tlcdqushitu.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray u16(int v)
{
    QByteArray bytes(2, 0);
    bytes[0] = char(v >> 8);
    bytes[1] = char(v);
    return bytes;
}

// The only record of an object that makes exactly one.
QByteArray only(const TEncodedObject& encoded)
{
    EXPECT_EQ(encoded.records.size(), 1u);
    return encoded.records.empty() ? QByteArray() : encoded.records.front();
}

class RecordEncoders : public ::testing::Test
{
protected:
    void SetUp() override { AppPaths::setProgramFolder(QStringLiteral(ZD740_BIN_DIR)); }
    void TearDown() override
    {
        AppPaths::setProgramFolder({});
        CharMetrics() = TCharMetrics();
    }
    TEncodeContext at(int plcCode) const { return {plcCode, false, QStringLiteral("screen 2")}; }

    TObjectContext objects;
};

TEST_F(RecordEncoders, LampRecord)
{
    TLcdLight lamp(objects);
    lamp.X = 10, lamp.Y = 20;
    lamp.DoubleSize = true, lamp.Shape = 0, lamp.Logic = 1;
    lamp.StationNo = 3, lamp.AddrType = 1, lamp.Addr1 = 5, lamp.Addr2 = 6, lamp.Addr3 = 7;
    EXPECT_EQ(only(EncodeLamp(lamp, at(0))), hex("01 0010 14 0A 01 01 01 03 01 0005 0006 0007"));
    lamp.DoubleSize = false, lamp.Shape = 1, lamp.Logic = 0;
    EXPECT_EQ(only(EncodeLamp(lamp, at(0))).mid(5, 3), hex("00 00 00"));
}

// The bit address field per PLC code (lamp record, offsets 8..15).
TEST_F(RecordEncoders, BitAddressFieldPerPlcCode)
{
    struct Case
    {
        int plc, addrType, addr1;
        const char* group;
    } cases[] = {
        {0, 1, 5, "03 01 0005 0006 0007"},      {20, 1, 5, "03 01 1135 0000 0000"}, // area base 4400 + 5
        {19, 1, 70000, "03 01 0000 0001 1170"},                                     // 32 bits across W2, W3
        {18, 2, 5, "03 02 0005 0002 0006"},     {16, 1, 5, "03 01 0009 0005 0006"}, // M(0) of type 1: area 9
        {12, 2, 5, "03 02 0005 0003 0006"},                                         // M(0) of type 2: area 3
        {17, 1, 5, "03 01 0005 0001 0006"},
    };
    for (const Case& c : cases) {
        TLcdLight lamp(objects);
        lamp.StationNo = 3, lamp.AddrType = c.addrType, lamp.Addr1 = c.addr1, lamp.Addr2 = 6, lamp.Addr3 = 7;
        EXPECT_EQ(only(EncodeLamp(lamp, at(c.plc))).mid(8).toHex(' ').toStdString(),
                  hex(c.group).toHex(' ').toStdString())
            << "PLC code " << c.plc;
    }
}

// The word address field per PLC code (register record, offsets 6..13).
TEST_F(RecordEncoders, WordAddressFieldPerPlcCode)
{
    struct Case
    {
        int plc, addrType, addr1;
        const char* group;
    } cases[] = {
        {0, 1, 12, "04 01 000C 0006 0007"},     {20, 1, 12, "04 01 1F4C 0000 0000"}, // SD from 8000
        {19, 3, 70000, "04 03 0003 0001 1170"}, {18, 2, 12, "04 02 000C 0002 0006"},
        {16, 0, 12, "04 00 0007 000C 0006"}, // M(1) of type 0: area 7
        {10, 0, 12, "04 00 000C 0004 0006"}, // M(1) of type 0: area 4
    };
    for (const Case& c : cases) {
        TLcdFText reg(objects);
        reg.StationNo = 4, reg.AddrType = c.addrType, reg.Addr1 = c.addr1, reg.Addr2 = 6, reg.Addr3 = 7;
        EXPECT_EQ(only(EncodeRegister(reg, at(c.plc))).mid(6, 8).toHex(' ').toStdString(),
                  hex(c.group).toHex(' ').toStdString())
            << "PLC code " << c.plc;
    }
}

TEST_F(RecordEncoders, RegisterRecord)
{
    TLcdFText reg(objects);
    reg.X = 1, reg.Y = 2, reg.Reverse = true;
    reg.StationNo = 1, reg.AddrType = 0, reg.Addr1 = 100;
    reg.RegCount = 2, reg.DataFormat = 2, reg.Digits = 7, reg.Decimals = 1;
    reg.InputEnabled = true, reg.InputPassword = true;
    reg.LimitEnabled = true, reg.LimitOn = 1;
    reg.InputMax = 100000, reg.InputMin = -5, reg.EngMax = 4294967295LL, reg.EngMin = -2147483648LL;
    const TEncodedObject encoded = EncodeRegister(reg, at(0));
    EXPECT_EQ(only(encoded), hex("05 0027 02 01 02 01 00 0064 0000 0000 02 02 07 01 01 01 01 01"
                                 "000186A0 FFFFFFFB FFFFFFFF 80000000 00"));
    EXPECT_TRUE(encoded.usesPassword);
}

TEST_F(RecordEncoders, RegisterLimitsFromTheDataWithoutLimits)
{
    struct Case
    {
        int regCount, dataFormat;
        const char* limits;
    } cases[] = {
        {1, 2, "00007FFF FFFF8000 00007FFF FFFF8000"},
        {1, 0, "0000FFFF 00000000 0000FFFF 00000000"},
        {2, 1, "FFFFFFFF 00000000 FFFFFFFF 00000000"},
        {2, 2, "7FFFFFFF 80000000 7FFFFFFF 80000000"},
    };
    for (const Case& c : cases) {
        TLcdFText reg(objects);
        reg.RegCount = c.regCount, reg.DataFormat = c.dataFormat;
        reg.InputPassword = true; // without input it asks for nothing
        reg.InputMax = 12, reg.LimitOn = 1;
        const TEncodedObject encoded = EncodeRegister(reg, at(0));
        const QByteArray record = only(encoded);
        EXPECT_EQ(record.mid(19, 3), hex("00 00 00"));
        EXPECT_EQ(record.mid(22, 16), hex(c.limits)) << c.regCount << " " << c.dataFormat;
        EXPECT_FALSE(encoded.usesPassword);
    }
}

TEST_F(RecordEncoders, RegisterUnitsFollowAsStateText)
{
    TLcdFText reg(objects);
    reg.X = 8, reg.Y = 16;
    reg.HasUnits = true, reg.DataFormat = 1;
    reg.StationNo = 2, reg.AddrType = 1, reg.Addr1 = 9;
    reg.UnitTexts = {"m", "", "kg"};
    const TEncodedObject encoded = EncodeRegister(reg, at(0));
    ASSERT_EQ(encoded.records.size(), 2u);
    const QByteArray units = encoded.records[1];
    QByteArray expected = hex("04 0000 10") + char(8 + 8 * 5) + hex("00 02 02 01 0009 0000 0000 01");
    for (const auto& [value, caption] : {std::pair{1, QByteArray("m")}, std::pair{3, QByteArray("kg")}}) {
        const QByteArray image = UnitTextDotImage(reg, caption).bytes;
        expected += u16(value) + u16(image.size() + 1) + image;
    }
    expected += hex("FFFFFFFF");
    expected.replace(1, 2, u16(expected.size()));
    EXPECT_EQ(units.toHex(' ').toStdString(), expected.toHex(' ').toStdString());
}

TEST_F(RecordEncoders, FunctionKeyHead)
{
    TLcdKey key(objects);
    key.X = 10, key.Y = 30, key.KeyIndex = 12, key.Action = 1;
    key.HandMark = true, key.DoubleSize = true, key.Reverse = true, key.KeyPassword = true;
    key.JumpScreen = 7;
    const TEncodedObject encoded = EncodeFunctionKey(key, at(0));
    EXPECT_EQ(only(encoded), hex("02 000F 1E 0A 1E 2A 12 00 03 01 01 00 0007"));
    EXPECT_TRUE(encoded.usesPassword);

    key.JumpToAlarmList = 1;
    EXPECT_EQ(only(EncodeFunctionKey(key, at(0))).mid(12), hex("01 FFFF"));
    key.Action = 5; // unknown actions carry the head only
    EXPECT_EQ(only(EncodeFunctionKey(key, at(0))).left(3), hex("02 000C"));
}

TEST_F(RecordEncoders, FunctionKeyCodesAndVisibility)
{
    struct Case
    {
        int keyIndex;
        bool variant;
        int code;
    } cases[] = {{0, false, 1},   {0, true, 3},    {1, false, 2},   {1, true, 4},   {2, true, 8},
                 {11, false, 17}, {12, false, 18}, {13, false, 19}, {14, false, 0}, {-1, false, 0}};
    for (const Case& c : cases) {
        TLcdKey key(objects);
        key.KeyIndex = c.keyIndex;
        const QByteArray record = only(EncodeFunctionKey(key, {0, c.variant, QStringLiteral("s")}));
        EXPECT_EQ(int(quint8(record[7])), c.code) << c.keyIndex;
    }
    TLcdKey key(objects);
    key.X = 10;
    EXPECT_EQ(only(EncodeFunctionKey(key, at(0))).mid(6, 3), hex("0A 01 02"));
    key.HandMark = true;
    EXPECT_EQ(only(EncodeFunctionKey(key, at(0))).mid(6, 3), hex("1A 01 00"));
    key.Invisible = true;
    EXPECT_EQ(only(EncodeFunctionKey(key, at(0))).mid(8, 1), hex("01"));
}

TEST_F(RecordEncoders, FunctionKeySetsCoilOrRegister)
{
    TLcdKey key(objects);
    key.X = 0, key.Y = 0, key.KeyIndex = 2;
    key.Action = 0;
    key.CoilStation = 1, key.CoilAddrType = 2, key.CoilAddr1 = 300, key.CoilOp = 3;
    EXPECT_EQ(only(EncodeFunctionKey(key, at(0))),
              hex("02 0015 00 00 00 00 08 02 00 00 00 01 02 012C 0000 0000 03"));

    key.Action = 2;
    key.RegStation = 5, key.RegAddrType = 1, key.RegAddr1 = 40, key.ValueFormat = 1, key.Value = -2;
    EXPECT_EQ(only(EncodeFunctionKey(key, at(20))),
              hex("02 0017 00 00 00 00 08 02 00 00 02 05 01 1F68 0000 0000 01 FFFE")); // SD 40 = 8040
}

// The function-block models read a key's register type code even when no
// catalogue model places the address (here: none is installed for 26).
TEST_F(RecordEncoders, FunctionKeyTypeCodeOfFunctionBlockModels)
{
    struct Case
    {
        int addrType, code;
    } cases[] = {{0, 2}, {4, 2}, {5, 0}, {6, 4}, {7, 5}, {9, 1}};
    for (const Case& c : cases) {
        TLcdKey key(objects);
        key.Action = 2, key.RegAddrType = c.addrType;
        EXPECT_EQ(int(quint8(only(EncodeFunctionKey(key, at(26)))[13])), c.code) << c.addrType;
    }
}

TEST_F(RecordEncoders, StateTextRecord)
{
    TLcdDText text(objects);
    text.X = 4, text.Y = 8, text.DoubleSize = true;
    text.StationNo = 1, text.AddrType = 0, text.Addr1 = 3;
    text.States = {};
    text.States[0] = {"5", "AB"};
    text.States[1] = {"  ", "blank value"}; // left out
    text.States[2] = {"-1", "C"};
    text.States[3] = {"9", ""};                 // left out, yet counts for the width
    text.States[4].Caption = "longest caption"; // no value: left out
    QByteArray expected = hex("04 0000 08 04 01 0F 01 00 0003 0000 0000 00");
    for (const auto& [value, caption] :
         {std::pair{5, QByteArray("AB")}, std::pair{0xFFFF, QByteArray("C")}}) {
        const QByteArray image = TextDotImage(text, caption).bytes;
        expected += u16(value) + u16(image.size() + 1) + image;
    }
    expected += hex("FFFFFFFF");
    expected.replace(1, 2, u16(expected.size()));
    EXPECT_EQ(only(EncodeStateText(text, at(0))).toHex(' ').toStdString(), expected.toHex(' ').toStdString());
}

TEST_F(RecordEncoders, StateTextValues)
{
    struct Case
    {
        int hexValues;
        const char* valueText;
        int value;
    } cases[] = {{0, " 42 ", 42}, {0, "+7", 7},         {1, "1a", 0x1A}, {1, "FFFF", 0xFFFF},
                 {2, "2.5", 2},   {2, "3.5", 4},        {2, "-0.4", 0},  {2, "+", 0},
                 {2, "-", 0},     {0, "-32768", 0x8000}};
    for (const Case& c : cases) {
        TLcdDText text(objects);
        text.States = {};
        text.States[0] = {c.valueText, "X"};
        text.HexValues = std::uint8_t(c.hexValues);
        EXPECT_EQ(only(EncodeStateText(text, at(0))).mid(16, 2), u16(c.value)) << c.valueText;
    }
}

TEST_F(RecordEncoders, StateTextWithoutEntriesGivesNoRecord)
{
    TLcdDText text(objects);
    text.States = {};
    EXPECT_TRUE(EncodeStateText(text, at(0)).records.empty());
    text.States[0] = {"  ", "caption"};
    text.States[1] = {"1", ""};
    EXPECT_TRUE(EncodeStateText(text, at(0)).records.empty());
}

TEST_F(RecordEncoders, BarGraphAndTrendChartRecords)
{
    TLcdBZTU bar(objects);
    bar.X = 20, bar.Y = 4, bar.Width = 16, bar.Height = 48, bar.Direction = 1;
    bar.StationNo = 1, bar.AddrType = 0, bar.Addr1 = 10, bar.RegCount = 2, bar.DataFormat = 2;
    bar.FullScale = 1000, bar.ZeroScale = -1000;
    const QByteArray scale = BarScaleDotImage(bar).bytes;
    QByteArray expected = hex("06 0000 04 14 01 01 00 000A 0000 0000 02 02 30 10 000003E8 FFFFFC18") + scale;
    expected.replace(1, 2, u16(expected.size()));
    EXPECT_EQ(only(EncodeBarGraph(bar, at(0))).toHex(' ').toStdString(), expected.toHex(' ').toStdString());

    Tlcdqushitu chart(objects);
    chart.X = 0, chart.Y = 0, chart.Width = 100, chart.Height = 40;
    chart.StationNo = 2, chart.AddrType = 1, chart.Addr1 = 7, chart.RegCount = 1, chart.DataFormat = 0;
    chart.FullScale = 100, chart.ZeroScale = 0, chart.DotCount = 30, chart.SampleInterval = -1;
    const QByteArray frame = TrendFrameDotImage(chart).bytes;
    expected = hex("07 0000 00 00 00 02 01 1F47 0000 0000 01 00 28 64 00000064 00000000 1E FFFF") + frame;
    expected.replace(1, 2, u16(expected.size()));
    EXPECT_EQ(only(EncodeTrendChart(chart, at(20))).toHex(' ').toStdString(),
              expected.toHex(' ').toStdString()); // SD 7 = 8007
}

TEST_F(RecordEncoders, MessageDisplayRecordFillsBlankCaptions)
{
    TLcdLightDtext display(objects);
    display.X = 2, display.Y = 3, display.Width = 40, display.Height = 16, display.DoubleSize = true;
    display.StationNo = 1, display.AddrType = 0, display.Addr1 = 12;
    display.OnCaption = "  ";
    display.OffCaption = "Stop";
    const QByteArray record = only(EncodeMessageDisplay(display, at(0)));
    EXPECT_EQ(display.OnCaption, "ON");
    QByteArray expected = hex("09 0000 03 02 01 02 02 01 00 000C 0000 0000 28 10");
    for (const auto& [state, caption] : {std::pair{0, QByteArray("ON")}, std::pair{1, QByteArray("Stop")}}) {
        const QByteArray image = MessageCaptionDotImage(display, caption).bytes;
        expected += u16(state) + u16(image.size() + 1) + image;
    }
    expected += hex("FFFFFFFF");
    expected.replace(1, 2, u16(expected.size()));
    EXPECT_EQ(record.toHex(' ').toStdString(), expected.toHex(' ').toStdString());
}

TEST_F(RecordEncoders, MessageDisplayCaptionsTracedWithPackTraces)
{
    QTemporaryDir data;
    AppPaths::setDataFolder(data.path());
    SetTraceNumber(77);
    TLcdLightDtext display(objects);
    display.OnCaption = "Run";
    display.OffCaption = "Stop";
    TEncodeContext context = at(0);
    context.packTraces = true;
    EncodeMessageDisplay(display, context);
    QFile trace(AppPaths::scratchFolder() + "PackCode77.txt");
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(trace.readAll()).split(QRegularExpression("\\r?\\n"));
    const QByteArray on = MessageCaptionDotImage(display, "Run").bytes;
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("[0]=Run len=%1 :").arg(on.size()));
    EXPECT_EQ(lines[1], QString::fromLatin1(on.toHex(' ').toUpper().prepend(' ')));
    EXPECT_TRUE(lines[2].startsWith("[1]=Stop len="));
}

TEST_F(RecordEncoders, TimeDisplayRecord)
{
    TLcdTimepiece clock(objects);
    clock.X = 16, clock.Y = 32, clock.Reverse = true;
    clock.StationNo = 1, clock.AddrType = 2, clock.Addr1 = 5;
    clock.TimeFormat = 3, clock.WeekMode = true, clock.SpareByte = 9, clock.ClockBlock = true;
    clock.CharCount = 14, clock.InputEnabled = true, clock.InputPassword = true;
    const TEncodedObject encoded = EncodeTimeDisplay(clock, at(20));
    EXPECT_EQ(only(encoded), hex("0A 0014 20 10 02 01 02 2139 0000 0000 08 09 01 0E 01 01")); // Z 5 = 8505
    EXPECT_TRUE(encoded.usesPassword);
    clock.WeekMode = false, clock.InputEnabled = false;
    EXPECT_EQ(only(EncodeTimeDisplay(clock, at(20))).mid(14), hex("03 09 01 0E 00 00"));
}

TEST_F(RecordEncoders, StaticTextAndBitmapRecords)
{
    TLcdText text(objects);
    text.Text = "";
    EXPECT_TRUE(EncodeStaticText(text, at(0)).records.empty());
    text.Text = "Hi";
    text.X = 250, text.Y = -3; // kept on the panel
    QByteArray expected = hex("03 0000 00 BF") + TextDotImage(text, "Hi").bytes;
    expected.replace(1, 2, u16(expected.size()));
    EXPECT_EQ(only(EncodeStaticText(text, at(0))), expected);

    TLcdBitmap bitmap(objects);
    bitmap.X = 8, bitmap.Y = 16;
    expected = hex("03 0000 10 08") + BitmapDotImage(bitmap).bytes;
    expected.replace(1, 2, u16(expected.size()));
    EXPECT_EQ(only(EncodeBitmap(bitmap, at(0))), expected);
    bitmap.Picture = QImage();
    EXPECT_TRUE(EncodeBitmap(bitmap, at(0)).records.empty());
}

// What cannot be encoded stops the build with a message naming the place,
// instead of a record that addresses or limits something else.
TEST_F(RecordEncoders, ValuesThatDoNotFitAreErrors)
{
    const auto message = [](auto encode) {
        try {
            encode();
        } catch (const EEncodeError& e) {
            return e.message();
        }
        return QStringLiteral("no error");
    };
    TLcdLight lamp(objects);
    lamp.X = 5, lamp.Y = 6, lamp.Addr1 = 70000;
    EXPECT_EQ(message([&] { EncodeLamp(lamp, at(0)); }),
              "screen 2, lamp at (5, 6): address word W1 = 70000 does not fit 16 bits");
    lamp.Addr1 = -1;
    EXPECT_TRUE(message([&] { EncodeLamp(lamp, at(0)); }).contains("W1 = -1"));
    lamp.Addr1 = 65000; // area base 4400 + 65000 runs past 16 bits
    lamp.AddrType = 1;
    EXPECT_TRUE(message([&] { EncodeLamp(lamp, at(20)); }).contains("W1 = 69400"));
    lamp.Addr1 = 0, lamp.StationNo = 256;
    EXPECT_TRUE(message([&] { EncodeLamp(lamp, at(0)); }).contains("station number 256"));

    TLcdFText reg(objects);
    reg.LimitEnabled = true, reg.InputMax = 5000000000LL;
    EXPECT_TRUE(message([&] { EncodeRegister(reg, at(0)); }).contains("input maximum 5000000000"));

    TLcdKey key(objects);
    key.Action = 2, key.Value = 70000;
    EXPECT_TRUE(message([&] { EncodeFunctionKey(key, at(0)); }).contains("value 70000 does not fit 16 bits"));

    TLcdDText text(objects);
    text.States = {};
    text.States[3] = {"12x", "caption"};
    EXPECT_TRUE(message([&] { EncodeStateText(text, at(0)); }).contains("value text \"12x\" of state 3"));
    text.States[3] = {"70000", "caption"};
    EXPECT_TRUE(message([&] { EncodeStateText(text, at(0)); }).contains("state value 70000"));
    text.States[3] = {"G", "caption"};
    text.HexValues = 1;
    EXPECT_TRUE(message([&] { EncodeStateText(text, at(0)); }).contains("not a number"));
}

} // namespace
