// What the built-in models send for an address (area codes, register
// translation) and the addresses new objects start with.
#include "AddressModel.h"
#include "ObjectKinds.h"
#include "ScopedCatalogueRecord.h"

#include <gtest/gtest.h>
#include <limits>

using namespace AddressModel;
using namespace ObjectKind;

TEST(AddressCodes, AreaCodesFollowTheModelRules)
{
    const struct
    {
        int code, kind, typeIndex, selector;
        std::int32_t expected;
    } cases[] = {
        // 10, 11 and 17, any kind
        {10, Lamp, 0, 0, 0},
        {10, Lamp, 0, 1, 4},
        {11, Register, 1, 0, 1},
        {17, AlarmList, 1, 1, 3},
        {17, Lamp, 2, 1, 1},
        // 12 and 13 by kind
        {12, Lamp, 2, 0, 3},
        {13, MessageDisplay, 3, 1, 6},
        {12, Key, 0, 0, 0},
        {12, Key, 1, 0, 4},
        {13, Key, 2, 1, 6},
        {13, Key, 3, 1, 1},
        {12, AlarmList, 1, 0, 4},
        {12, AlarmList, 3, 0, 0},
        {13, AlarmList, 0, 1, 3},
        {12, Register, 1, 0, 0},
        {13, DynamicText, 2, 1, 5},
        {12, 999, 0, 1, 3},
        // 16, any kind
        {16, Lamp, 0, 0, 3},
        {16, Key, 5, 0, 13},
        {16, Key, 6, 0, 0},
        {16, AlarmList, 7, 1, 15},
        {16, AlarmList, 8, 1, 1},
        // 20, bit kinds: the selector plus the area base
        {20, Lamp, 0, 0, 2000},
        {20, Key, 1, 1, 4401},
        {20, AlarmList, 2, 1, 1},
        {20, MessageDisplay, 6, 0, 9200},
        {20, Lamp, 7, 1, 1},
        {20, Register, 0, 1, 1},
        // every other selector and code passes through
        {12, Lamp, 0, 2, 2},
        {3, Lamp, 1, 1, 1},
        {60, Lamp, 1, 1, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(maddress1code(c.code, c.kind, c.typeIndex, c.selector), c.expected)
            << c.code << " kind " << c.kind << " type " << c.typeIndex << " selector " << c.selector;
}

TEST(AddressCodes, Code20AreaBaseWrapsInsteadOfOverflowing)
{
    constexpr std::int32_t top = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(maddress1code(20, Lamp, 0, top), std::numeric_limits<std::int32_t>::min() + 1999);
}

TEST(AddressCodes, Code20TranslatesWordAddresses)
{
    const struct
    {
        int typeIndex;
        std::uint32_t address;
        std::int32_t expected;
    } cases[] = {
        {0, 12, 12},     {1, 12, 8012},  {2, 0, 8500},   {3, 99, 9099},  {4, 1, 9501},           {5, 0, 9700},
        {5, 199, 10098}, {5, 200, 9700}, {5, 255, 9810}, {5, 256, 9700}, {5, 4294967295u, 9700},
    };
    for (const auto& c : cases)
        EXPECT_EQ(daddress1code(20, Register, c.typeIndex, c.address), c.expected)
            << c.typeIndex << " " << c.address;
    EXPECT_EQ(daddress1code(12, Register, 1, 345), 345);
}

TEST(AddressCodes, TypeValueToAddressOnlyTranslatesOnCode20)
{
    EXPECT_EQ(dpartypeToAddress(20, 5), 1);
    EXPECT_EQ(dpartypeToAddress(20, 4), 0);
    EXPECT_EQ(dpartypeToAddress(20, 1), 0);
    EXPECT_EQ(dpartypeToAddress(19, 5), 5);
    EXPECT_EQ(dpartypeToAddress(60, -7), -7);
}

TEST(AddressCodes, SuffixFlagOnlyForCode125Registers)
{
    EXPECT_EQ(postfixFlag(125, Register), 1);
    EXPECT_EQ(postfixFlag(125, DynamicText), 0);
    EXPECT_EQ(postfixFlag(3, Register), 0);
}

TEST(DefaultAddress, NewObjectsCountFromOneWhereTheModelDoes)
{
    const struct
    {
        int code, kind;
        std::int32_t add1;
    } cases[] = {
        {10, AlarmList, 1},       {11, AlarmList, 1},  {10, Lamp, 0},
        {125, Lamp, 1},           {125, AlarmList, 1}, {125, Key, 0},
        {125, MessageDisplay, 0}, {12, AlarmList, 0},  {60, AlarmList, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(createAddress(c.code, c.kind), (std::array<std::int32_t, 3>{c.add1, 0, 0}))
            << c.code << " kind " << c.kind;
}

TEST(DefaultAddress, BitPartDefaultsNeverConsultTheCatalogue)
{
    ScopedCatalogueRecord record(60);
    record.addBitType("X", 1, 1, 1).Parts[0].DefValue = 7;

    const struct
    {
        int code, part;
        std::int32_t expected;
    } cases[] = {{10, 1, 1}, {11, 1, 1}, {125, 1, 1}, {10, 2, 0}, {125, 3, 0}, {12, 1, 0}, {60, 1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(logicDefaultPart(c.code, Lamp, 0, c.part), c.expected) << c.code << " part " << c.part;
}

TEST(DefaultAddress, WordPartDefaults)
{
    // Code 8 shows 2000 (octal) as add1's default, while new objects start at 1024.
    EXPECT_EQ(numericAddress(8, Register, 0).parts[0].def, 2000);
    for (int part : {1, 2, 3}) {
        EXPECT_EQ(numericDefaultPart(8, Register, 0, part), 1024) << part;
        EXPECT_EQ(numericDefaultPart(9, DynamicText, 0, part), 1024) << part;
        EXPECT_EQ(numericDefaultPart(5, Register, 0, part), 0) << part;
    }

    ScopedCatalogueRecord record(60);
    TdrivevalueD& type = record.addWordType("W");
    type.ForKey = 0;
    type.Parts[0].DefValue = 5;
    type.Parts[1].DefValue = 6;
    type.Parts[2].DefValue = 4294967295u;
    const struct
    {
        int kind, typeIndex, part;
        std::int32_t expected;
    } cases[] = {
        {Register, 0, 1, 5}, {Register, 0, 2, 6}, {Register, 0, 3, -1}, {Register, 0, 0, 0},
        {Register, 0, 4, 0}, {Register, 1, 1, 0}, {Key, 0, 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numericDefaultPart(60, c.kind, c.typeIndex, c.part), c.expected)
            << c.kind << " type " << c.typeIndex << " part " << c.part;
}
