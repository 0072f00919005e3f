#include "AlarmCatalogueFixture.h"
#include "AlarmServices.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(AlarmTypeCount, BuiltinCodes)
{
    const std::vector<std::pair<int, std::int32_t>> counts = {
        {0, 1},  {1, -1}, {2, 1},  {3, 1},  {4, 1},  {5, 1},  {6, 1},  {7, 1},  {8, 1},  {9, 1},  {10, 2},
        {11, 2}, {12, 2}, {13, 2}, {14, 1}, {15, 1}, {16, 6}, {17, 1}, {18, 2}, {19, 1}, {20, 2}, {125, 4}};
    for (const auto& [code, count] : counts)
        EXPECT_EQ(AlarmServices::mcount(code), count) << "code " << code;
}

TEST(AlarmTypeCount, CatalogueCodeWithoutRecordHasNone)
{
    EXPECT_EQ(AlarmServices::mcount(21), 0);
    EXPECT_EQ(AlarmServices::mcount(255), 0);
}

TEST_F(AlarmCatalogueFixture, CountsOnlyTypesWithForAlarmExactlyOne)
{
    EXPECT_EQ(AlarmServices::mcount(code), 2);
    record_->BitTypes[2].ForAlarm = 1;
    EXPECT_EQ(AlarmServices::mcount(code), 3);
}

struct CaptionCase
{
    int code;
    int type;
    const char* mcaption;
    const char* alarmCaption;
};

TEST(AlarmTypeCaption, BuiltinCodesInTypeOrderAndPastTheList)
{
    const std::vector<CaptionCase> cases = {
        {0, 0, "R", "I"},      {0, 1, "M", "Q"},      {0, 2, "M", "M"},    {0, -1, "M", "M"},
        {1, 0, "M", "M"},      {4, 0, "R", "R"},      {4, 1, "M", "M"},    {5, 0, "IR", "IR"},
        {10, 0, "0x", "0x"},   {10, 1, "1x", "1x"},   {10, 5, "1x", "1x"}, {11, 2, "1x", "1x"},
        {12, 0, "M", "M"},     {13, 1, "M", "M"},     {16, 0, "B3", "B3"}, {16, 1, "B9", "B9"},
        {16, 2, "B10", "B10"}, {16, 5, "B13", "B13"}, {16, 6, "M", "M"},   {18, 1, "R", "R"},
        {18, 4, "R", "R"},     {19, 0, "M", "M"},     {20, 1, "SM", "SM"}, {20, 9, "SM", "SM"},
        {125, 0, "B", "B"},    {125, 1, "I", "I"},    {125, 2, "Q", "Q"},  {125, 3, "M", "M"},
        {125, 4, "M", "M"}};
    for (const CaptionCase& c : cases) {
        EXPECT_EQ(AlarmServices::mcaption(c.code, c.type), QByteArray(c.mcaption))
            << "code " << c.code << " type " << c.type;
        EXPECT_EQ(AlarmServices::alarmCaption(c.code, c.type), QByteArray(c.alarmCaption))
            << "code " << c.code << " type " << c.type;
    }
}

TEST_F(AlarmCatalogueFixture, CaptionIsTheFilteredTypesNameOrM)
{
    EXPECT_EQ(AlarmServices::mcaption(code, 0), QByteArray("X"));
    EXPECT_EQ(AlarmServices::mcaption(code, 1), QByteArray("Q"));
    EXPECT_EQ(AlarmServices::alarmCaption(code, 1), QByteArray("Q"));
    EXPECT_EQ(AlarmServices::mcaption(code, 2), QByteArray("M"));
    EXPECT_EQ(AlarmServices::alarmCaption(code, 2), QByteArray("M"));
    EXPECT_EQ(AlarmServices::mcaption(code + 1, 0), QByteArray("M"));
}

// Expected part descriptors, written out.
PartDescriptor part(std::uint8_t enabled, std::uint8_t visible, std::uint8_t hex, std::int32_t max,
                    std::int32_t min = 0, std::int32_t def = 0, std::int32_t radix = 0)
{
    return PartDescriptor{enabled, visible, hex, max, min, def, radix};
}

AddressDescriptor parts(const PartDescriptor& add1, const PartDescriptor& add2 = {},
                        const PartDescriptor& add3 = {})
{
    return AddressDescriptor{{add1, add2, add3}};
}

struct DescriptorCase
{
    int code;
    int type;
    AddressDescriptor expected;
};

TEST(AlarmTypeParts, BuiltinCodes)
{
    const PartDescriptor dec9999 = part(1, 1, 0, 9999);
    const PartDescriptor dec65535 = part(1, 1, 0, 65535);
    const PartDescriptor nibbleHidden = part(0, 0, 1, 15);
    const PartDescriptor nibbleReported = part(1, 0, 1, 15);
    const PartDescriptor nibbleShown = part(1, 1, 1, 15);
    const PartDescriptor b1to9999 = part(1, 1, 0, 9999, 1, 1);
    const std::vector<DescriptorCase> cases = {
        {0, 0, parts(part(1, 1, 1, 511))},
        {1, 0, parts(dec9999)},
        {2, 0, parts(dec9999)},
        {3, 0, parts(dec9999, part(1, 1, 0, 7))},
        {4, 0, parts(dec9999, nibbleShown)},
        {5, 0, parts(part(1, 1, 0, 4095), nibbleShown)},
        {6, 0, parts(dec9999, part(0, 0, 0, 15))},
        {15, 0, parts(dec9999, part(0, 0, 0, 15))},
        {8, 0, parts(part(1, 1, 0, 4095, 0, 0, 3), part(0, 0, 0, 15))},
        {10, 0, parts(dec65535, nibbleHidden)},
        {10, 1, parts(dec65535, nibbleHidden)},
        {11, 1, parts(dec65535, nibbleReported)},
        {12, 0, parts(dec65535, nibbleReported)},
        {12, 1, parts(dec65535, nibbleShown)},
        {13, 3, parts(dec65535, nibbleShown)},
        {16, 4, parts(dec9999, nibbleShown)},
        {17, 0, parts(part(1, 1, 0, 7999), nibbleHidden)},
        {18, 1, parts(dec65535)},
        {19, 0, parts(part(1, 1, 0, -1))}, // 4294967295, all bits set
        {20, 0, parts(part(1, 1, 0, 1999))},
        {20, 1, parts(part(1, 1, 0, 255))},
        {20, 2, parts(part(1, 1, 0, 255))},
        {125, 0, parts(b1to9999)},
        {125, 3, parts(b1to9999)},
        {4, 1, parts(dec9999, nibbleShown)}, // past the list: the same parts
    };
    for (const DescriptorCase& c : cases)
        EXPECT_EQ(AlarmServices::mAddress(c.code, c.type), c.expected)
            << "code " << c.code << " type " << c.type;
}

TEST_F(AlarmCatalogueFixture, PartsComeFromTheFilteredType)
{
    // X: add1 octal with its default; add2 shown but fixed, hexadecimal; add3
    // editable but hidden.
    EXPECT_EQ(AlarmServices::mAddress(code, 0),
              parts(part(1, 1, 0, 4095, 0, 8, 3), part(0, 1, 1, 15), part(1, 0, 0, 0)));
    // Q: the defaults of a new part (add1 forced on).
    const PartDescriptor fresh = part(1, 1, 0, 65535);
    EXPECT_EQ(AlarmServices::mAddress(code, 1), parts(fresh, fresh, fresh));
}

TEST_F(AlarmCatalogueFixture, PartsWithoutSuchTypeAreNeutral)
{
    const AddressDescriptor neutral = parts(part(1, 1, 0, 9999));
    EXPECT_EQ(AlarmServices::mAddress(code, 2), neutral);
    EXPECT_EQ(AlarmServices::mAddress(code, -1), neutral);
    EXPECT_EQ(AlarmServices::mAddress(code + 1, 0), neutral);
}

} // namespace
