#include "NumberText.h"

#include "EConvertError.h"
#include "Rounding.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    const struct
    {
        double x;
        std::int64_t expected;
    } cases[] = {
        {2.25 * 2, 4}, {2.5, 2},    {3.5, 4},    {0.5, 0},  {1.5, 2},           {-2.5, -2},
        {-3.5, -4},    {2.4999, 2}, {2.5001, 3}, {-0.4, 0}, {1e300, INT64_MAX}, {-1e300, INT64_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.x), c.expected) << c.x;
    EXPECT_EQ(RoundInt(2.25 * 3), 7); // 6.75
    EXPECT_EQ(RoundInt(1e12), INT32_MAX);
}

TEST(HexToInt, NonDigitsResetTheValue)
{
    const struct
    {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"1G2", 2},       {"", 0},
        {"ff", 255},      {"7FFFFFFF", INT32_MAX},
        {"FFFFFFFF", -1}, {"123456789", 0x23456789}, // a ninth digit wraps to 32 bits
        {"12 34", 0x34},  {"-1", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexToInt(c.text), c.expected) << c.text;
}

TEST(ParseNumber, DecimalKindAcceptsWhatTheStandardConversionAccepts)
{
    const struct
    {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"12", 12}, {" -5", -5}, {"+7", 7}, {"$1F", 31}, {"0x10", 16}, {"-2147483648", INT32_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseNumber(0, c.text), c.expected) << c.text;
    for (const char* bad : {"", "1.5", "12a", "2147483648", "-", "5 "})
        EXPECT_THROW(ParseNumber(0, bad), EConvertError) << bad;
}

TEST(ParseNumber, HexKindIsHexToInt)
{
    EXPECT_EQ(ParseNumber(1, "1G2"), 2);
    EXPECT_EQ(ParseNumber(1, "zz"), 0);
}

TEST(ParseNumber, SignedKindGivesSixteenBitTwosComplement)
{
    const struct
    {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {"-1.4", 65535},
        {"-", 0},
        {"+", 0},
        {" 12 ", 12},
        {"2.5", 2},
        {"3.5", 4},
        {"-0.4", 0},
        {"-32768", 32768},
        {"1e3", 1000},
        {"65535", 65535},
        // Beyond 16 bits the value is masked, never out of range.
        {"-70000", 61072},
        {"70000", 4464},
        {"-1e12", (65536 - int(1000000000000LL % 65536)) % 65536},
    };
    for (const auto& c : cases) {
        const std::int32_t v = ParseNumber(2, c.text);
        EXPECT_EQ(v, c.expected) << c.text;
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 65535);
    }
    for (const char* bad : {"", "abc", "1.2.3", "1e", "inf", "nan"})
        EXPECT_THROW(ParseNumber(2, bad), EConvertError) << bad;
}

TEST(NumberText, BinaryDigits)
{
    EXPECT_EQ(IntToBin(5, 8), "00000101");
    EXPECT_EQ(IntToBin(5, 0), "101");
    EXPECT_EQ(IntToBin(0, 1), "0");
    EXPECT_EQ(BinToInt("101"), 5);
    EXPECT_EQ(BinToInt(""), 0);
    EXPECT_EQ(BinToInt("12"), 4); // digits accumulate base 2 as they stand
    EXPECT_THROW(BinToInt("1x"), EConvertError);
    EXPECT_TRUE(IsHexText(""));
    EXPECT_TRUE(IsHexText("09afAF"));
    EXPECT_FALSE(IsHexText("0x1"));
}

TEST(NumberText, SmallTextHelpers)
{
    EXPECT_EQ(StripLeadingZeros("000"), "0");
    EXPECT_EQ(StripLeadingZeros("0120"), "120");
    EXPECT_EQ(StripLeadingZeros(""), "0");
    EXPECT_EQ(LastIndexOfChar(u'.', "a.b.c"), 4);
    EXPECT_EQ(LastIndexOfChar(u'x', "abc"), 0);
    EXPECT_EQ(TextAfter("=", "key=a=b"), "a=b");
    EXPECT_EQ(TextAfter(":", "plain"), "plain");
    EXPECT_EQ(MarkupToLines("Up/Down<p>Counter<P>Block").split(u'\n').size(), 3);
    EXPECT_EQ(MarkupToLines("  plain text \n"), "plain text");
    EXPECT_EQ(MarkupToLines("<p>a<p>"), "a");
}

TEST(NumberText, RoundTo4AndCeil)
{
    const struct
    {
        int n, expected;
    } cases[] = {{6, 4}, {7, 8}, {8, 8}, {0, 0}, {3, 4}, {5, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundTo4(c.n), c.expected) << c.n;
    EXPECT_EQ(CeilInt(2.0), 2);
    EXPECT_EQ(CeilInt(2.0001), 3);
    EXPECT_EQ(CeilInt(100 / 2.25), 45);
    EXPECT_EQ(CeilInt(-1.5), -1);
}

TEST(NumberText, ByteAssemblyAndPlcValues)
{
    EXPECT_EQ(MakeWord(0x12, 0x34), 0x1234);
    EXPECT_EQ(HiByte(0xABCD), 0xAB);
    EXPECT_EQ(MakeDword(0x12, 0x34, 0x56, 0x78), 0x12345678u);
    EXPECT_EQ(SplitDword(0x12345678u), (std::array<std::uint8_t, 4>{0x12, 0x34, 0x56, 0x78}));

    const struct
    {
        int size, format;
        std::uint8_t b3, b2, b1, b0;
        std::int64_t expected;
    } cases[] = {
        {0, 0, 9, 9, 0xFF, 9, 255},
        {0, 2, 9, 9, 0xFF, 9, -1},
        {1, 0, 9, 0xFF, 0xFE, 9, 65534},
        {1, 2, 9, 0xFF, 0xFE, 9, -2},
        {1, 1, 0, 0x12, 0x34, 0, 0x1234},
        {2, 0, 0xFF, 0xFF, 0xFF, 0xFF, 4294967295LL},
        {2, 2, 0xFF, 0xFF, 0xFF, 0xFF, -1},
        {2, 2, 0x80, 0, 0, 0, INT32_MIN},
        {3, 0, 1, 2, 3, 4, 0},
        {-1, 2, 1, 2, 3, 4, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodePlcValue(c.size, c.format, c.b3, c.b2, c.b1, c.b0), c.expected)
            << c.size << "/" << c.format;
}

TEST(NumberText, VersionText)
{
    EXPECT_EQ(FormatVersionText(0x02040107), "2.04.1.07");
    EXPECT_EQ(FormatVersionText(0x0A0B0C63), "10.11.12.99");
    EXPECT_EQ(FormatVersionText(0), "0.00.0.00");
}
