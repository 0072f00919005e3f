#include "AlarmCatalogueFixture.h"
#include "AlarmServices.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>

namespace {

struct RowCase
{
    int code;
    int type;
    std::int64_t add1;
    std::int64_t add2;
    std::int32_t row;
    const char* text;
};

void PrintTo(const RowCase& c, std::ostream* os)
{
    *os << "code " << c.code << " type " << c.type << " add1 " << c.add1 << " add2 " << c.add2 << " row "
        << c.row;
}

class BuiltinRowText : public ::testing::TestWithParam<RowCase>
{};

TEST_P(BuiltinRowText, NamesTheWatchedBit)
{
    const RowCase& c = GetParam();
    // add3 plays no part in any row text.
    EXPECT_EQ(AlarmServices::rowText(c.code, c.type, c.add1, c.add2, 77, c.row), QByteArray(c.text));
}

constexpr std::int64_t u32max = 4294967295LL;

INSTANTIATE_TEST_SUITE_P(Codes, BuiltinRowText,
                         ::testing::Values(
                             // code 0: hexadecimal, at least four digits, never cut
                             RowCase{0, 0, 25, 0, 0, "R0019"}, RowCase{0, 0, 65536, 0, 0, "R10000"},
                             RowCase{0, 0, 0x1FE, 0, 1, "R01FF"}, RowCase{0, 3, 0xABC, 9, 0, "R0ABC"},
                             // code 1: inputs on type 0
                             RowCase{1, 0, 5, 0, 2, "I7"}, RowCase{1, 1, 5, 0, 2, "M7"},
                             // plain decimal M
                             RowCase{2, 0, 100, 3, 5, "M105"}, RowCase{6, 0, 100, 3, 5, "M105"},
                             RowCase{7, 0, 0, 0, 0, "M0"}, RowCase{14, 1, 9999, 0, 0, "M9999"},
                             RowCase{15, 0, 1, 0, 1, "M2"}, RowCase{17, 0, 7998, 0, 1, "M7999"},
                             // code 3: word and bit of 8, a blank after the point
                             RowCase{3, 0, 25, 10, 0, "M26. 2"}, RowCase{3, 0, 25, 10, 6, "M27. 0"},
                             RowCase{3, 0, 25, 7, 0, "M25. 7"},
                             // codes 4 and 5: word and hexadecimal bit of 16
                             RowCase{4, 0, 25, 10, 0, "R25. A"}, RowCase{4, 0, 25, 10, 7, "R26. 1"},
                             RowCase{5, 0, 25, 15, 0, "IR25. F"}, RowCase{5, 0, 25, 15, 17, "IR27. 0"},
                             // codes 8 and 9: octal
                             RowCase{8, 0, 8, 0, 0, "M10"}, RowCase{9, 0, 4094, 0, 1, "M7777"},
                             // codes 10 and 11: coils and inputs with a slash
                             RowCase{10, 0, 1, 0, 0, "0x/1"}, RowCase{10, 1, 1, 0, 3, "1x/4"},
                             RowCase{11, 0, 65535, 0, 1, "0x/65536"}, RowCase{11, 4, 2, 0, 0, "1x/2"},
                             // codes 12 and 13: coils, then register bits
                             RowCase{12, 0, 7, 10, 1, "0x8"}, RowCase{12, 1, 25, 10, 7, "4x26. 1"},
                             RowCase{13, 0, 7, 0, 0, "0x7"}, RowCase{13, 2, 25, 10, 0, "4x25. A"},
                             // code 16: data file, word and bit
                             RowCase{16, 0, 25, 10, 0, "B3:25/A"}, RowCase{16, 1, 25, 10, 7, "B9:26/1"},
                             RowCase{16, 5, 0, 0, 31, "B13:1/F"}, RowCase{16, 6, 25, 10, 0, "M:25/A"},
                             // codes 18 and 20: second caption for every further type
                             RowCase{18, 0, 4, 0, 0, "M4"}, RowCase{18, 1, 4, 0, 0, "R4"},
                             RowCase{18, 2, 4, 0, 1, "R5"}, RowCase{20, 0, 1999, 0, 0, "M1999"},
                             RowCase{20, 1, 255, 0, 0, "SM255"}, RowCase{20, 3, 0, 0, 2, "SM2"},
                             // code 19: the whole 32-bit range and past it
                             RowCase{19, 0, u32max, 0, 0, "M4294967295"},
                             RowCase{19, 0, u32max, 0, 1, "M4294967296"},
                             // code 125: B with at least three digits, then I, Q, M
                             RowCase{125, 0, 25, 0, 0, "B025"}, RowCase{125, 0, 1, 0, 0, "B001"},
                             RowCase{125, 0, 1234, 0, 0, "B1234"}, RowCase{125, 1, 5, 0, 0, "I5"},
                             RowCase{125, 2, 5, 0, 1, "Q6"}, RowCase{125, 3, 5, 0, 0, "M5"},
                             RowCase{125, 7, 5, 0, 0, "M5"}));

// Bit parts below zero are never produced by Designer; they follow truncating
// division, and hexadecimal shows the 32-bit pattern.
INSTANTIATE_TEST_SUITE_P(NegativeBitCount, BuiltinRowText,
                         ::testing::Values(RowCase{3, 0, 25, -1, 0, "M25. -1"},
                                           RowCase{3, 0, 25, -9, 0, "M24. -1"},
                                           RowCase{4, 0, 25, -17, 0, "R24. FFFFFFFF"},
                                           RowCase{16, 0, 25, 0, -16, "B3:24/0"},
                                           RowCase{8, 0, 0, 0, -8, "M-10"}));

// The plain address keeps 64 bits; the word/bit pairs use the low 32 bits of
// add1 and add2 and wrap instead of overflowing.
INSTANTIATE_TEST_SUITE_P(WideInputs, BuiltinRowText,
                         ::testing::Values(RowCase{2, 0, (1LL << 32) + 25, 0, 0, "M4294967321"},
                                           RowCase{4, 0, (1LL << 32) + 25, (1LL << 32) + 10, 0, "R25. A"},
                                           RowCase{3, 0, 2147483647, 8, 0, "M-2147483648. 0"},
                                           RowCase{2, 0, std::numeric_limits<std::int64_t>::max(), 0, 1,
                                                   "M-9223372036854775808"},
                                           RowCase{0, 0, -1, 0, 0, "RFFFFFFFFFFFFFFFF"},
                                           RowCase{9, 0, std::numeric_limits<std::int64_t>::min(), 0, 0,
                                                   "M-1000000000000000000000"},
                                           RowCase{125, 0, -5, 0, 0, "B-005"}));

struct FormatCase
{
    std::int32_t addrFormat;
    std::int64_t add1;
    std::int64_t add2;
    std::int32_t row;
    const char* text;
};

class CatalogueRowText : public AlarmCatalogueFixture, public ::testing::WithParamInterface<FormatCase>
{};

TEST_P(CatalogueRowText, FollowsTheTypesAddressFormat)
{
    const FormatCase& c = GetParam();
    alarmType(1).AddrFormat = c.addrFormat;
    EXPECT_EQ(AlarmServices::rowText(code, 1, c.add1, c.add2, 0, c.row), QByteArray(c.text))
        << "AddrFormat " << c.addrFormat << " add1 " << c.add1 << " add2 " << c.add2 << " row " << c.row;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CatalogueRowText,
    ::testing::Values(FormatCase{1, 25, 10, 0, "Q25"}, FormatCase{1, 25, 10, 7, "Q32"},
                      FormatCase{1, (1LL << 32) + 25, 0, 0, "Q4294967321"}, FormatCase{2, 25, 10, 0, "Q19"},
                      FormatCase{2, 0xABCE, 0, 1, "QABCF"}, FormatCase{2, 1LL << 32, 0, 0, "Q100000000"},
                      FormatCase{3, 25, 10, 0, "Q31"}, FormatCase{3, 1023, 0, 0, "Q1777"},
                      FormatCase{4, 25, 10, 0, "Q25/A"}, FormatCase{4, 25, 10, 7, "Q26/1"},
                      FormatCase{4, (1LL << 32) + 25, 10, 0, "Q25/A"}, FormatCase{5, 25, 10, 0, "Q26.2"},
                      FormatCase{5, 19, 7, 0, "Q19.7"}, FormatCase{6, 25, 10, 0, "Q19.A"},
                      FormatCase{6, 31, 15, 0, "Q1F.F"}, FormatCase{7, 25, 10, 0, "Q32.2"},
                      FormatCase{7, 15, 7, 0, "Q17.7"}, FormatCase{8, 25, 10, 0, "Q1A.2"},
                      FormatCase{8, 31, 7, 0, "Q1F.7"},
                      // unknown formats fall back to plain decimal M
                      FormatCase{0, 25, 10, 3, "M28"}, FormatCase{9, 25, 10, 0, "M25"},
                      FormatCase{-1, 25, 10, 0, "M25"},
                      // negative bit counts
                      FormatCase{4, 25, -1, 0, "Q25/FFFFFFFF"}, FormatCase{7, 25, -9, 0, "Q30.-1"},
                      FormatCase{5, 25, -16, 0, "Q23.0"}));

TEST_F(AlarmCatalogueFixture, RowTextUsesTheFilteredTypeAndItsNameBytes)
{
    // Type index 0 is X (AddrFormat 1); the GBK name goes through untouched.
    EXPECT_EQ(AlarmServices::rowText(code, 0, 12, 0, 0, 1), QByteArray("X13"));
    alarmType(0).Name = "\xb1\xa8\xbe\xaf";
    EXPECT_EQ(AlarmServices::rowText(code, 0, 12, 0, 0, 1), QByteArray("\xb1\xa8\xbe\xaf"
                                                                       "13"));
}

TEST_F(AlarmCatalogueFixture, RowTextWithoutSuchTypeIsPlainM)
{
    EXPECT_EQ(AlarmServices::rowText(code, 2, 25, 10, 0, 1), QByteArray("M26"));
    EXPECT_EQ(AlarmServices::rowText(code, -1, 25, 10, 0, 0), QByteArray("M25"));
    EXPECT_EQ(AlarmServices::rowText(code + 1, 0, 25, 10, 0, 0), QByteArray("M25"));
}

} // namespace
