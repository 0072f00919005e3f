// The built-in models (codes 0 to 20 and 125) as Designer sees them through
// the address model.
#include "AddressModel.h"
#include "ObjectKinds.h"
#include "ScopedCatalogueRecord.h"

#include <gtest/gtest.h>

using namespace AddressModel;
using namespace ObjectKind;

namespace {

// Part descriptors: enabled, visible, hex, max, min, default, radix code.
const PartDescriptor noPart{};
const PartDescriptor hiddenTo15{0, 0, 0, 15, 0, 0, 0};
const PartDescriptor hexTo15{1, 1, 1, 15, 0, 0, 0};
const PartDescriptor hiddenButEnabledHexTo15{1, 0, 1, 15, 0, 0, 0};

} // namespace

TEST(BuiltinModels, CommunicationDefaults)
{
    const struct
    {
        int code;
        CommSettings expected;
    } cases[] = {
        {0, {38400, 8, 1, 0, 0}}, {2, {9600, 7, 1, 2, 0}},   {4, {9600, 8, 1, 1, 0}},
        {5, {9600, 7, 2, 2, 0}},  {9, {9600, 8, 1, 1, 0}},   {13, {19200, 7, 1, 2, 0}},
        {16, {9600, 8, 1, 0, 0}}, {20, {19200, 8, 1, 2, 0}}, {125, {9600, 8, 1, 2, 0}},
    };
    for (const auto& c : cases) {
        CommSettings out{1, 2, 3, 4, 5};
        EXPECT_EQ(communication(c.code, out), 1) << c.code;
        EXPECT_EQ(out, c.expected) << c.code;
    }
}

TEST(BuiltinModels, StationNumbersAndDriverVersions)
{
    const struct
    {
        int code;
        std::uint8_t editable;
        std::int32_t min, max, def;
        double version;
    } cases[] = {
        {0, 0, 0, 255, 1, 1.0},  {2, 0, 0, 9999, 1, 1.0},   {3, 1, 1, 126, 2, 1.0}, {5, 1, 0, 99, 0, 1.0},
        {12, 1, 1, 255, 1, 1.1}, {16, 0, 1, 247, 1, 1.0},   {18, 0, 0, 0, 0, 1.0},  {19, 1, 0, 255, 1, 1.1},
        {20, 1, 1, 247, 1, 1.0}, {125, 0, 0, 255, 0, -1.0},
    };
    for (const auto& c : cases) {
        const StationRange expected{0, c.editable, c.max, c.min, c.def, true};
        EXPECT_EQ(stationRange(c.code), expected) << c.code;
        EXPECT_DOUBLE_EQ(driverVersion(c.code), c.version) << c.code;
    }
    EXPECT_DOUBLE_EQ(driverVersion(21), -1.0);
    EXPECT_DOUBLE_EQ(driverVersion(255), -1.0);
}

TEST(BuiltinModels, BitTypeCountsFollowCodeAndKind)
{
    const struct
    {
        int code, kind, count;
    } cases[] = {
        {0, MessageDisplay, 1},
        {4, Key, 1},
        {10, Lamp, 2},
        {10, Key, 1},
        {10, AlarmList, 2},
        {11, Key, 1},
        {11, MessageDisplay, 2},
        {12, Lamp, 4},
        {13, AlarmList, 2},
        {12, MessageDisplay, 4},
        {16, Lamp, 6},
        {18, Key, 2},
        {20, AlarmList, 7},
        {125, Lamp, 4},
        {125, Key, 0},
        {125, AlarmList, 1},
        {125, MessageDisplay, 1},
        // Word kinds offer no bit types.
        {1, Register, 0},
        {10, DynamicText, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(logicCount(c.code, c.kind), c.count) << c.code << " kind " << c.kind;
}

TEST(BuiltinModels, BitTypesCaptionsAndParts)
{
    const struct
    {
        int code, kind, typeIndex;
        const char* caption;
        PartDescriptor add1, add2;
    } cases[] = {
        {0, Lamp, 0, "R", {1, 1, 1, 511, 0, 0, 0}, noPart},
        {3, AlarmList, 0, "M", {1, 1, 0, 9999, 0, 0, 0}, {1, 1, 0, 7, 0, 0, 0}},
        {5, Key, 0, "IR", {1, 1, 0, 4095, 0, 0, 0}, hexTo15},
        {7, MessageDisplay, 0, "M", {1, 1, 0, 9999, 0, 0, 0}, hiddenTo15},
        {9, Lamp, 0, "M", {1, 1, 0, 4095, 0, 0, 3}, hiddenTo15},
        {10, Lamp, 0, "0X", {1, 1, 0, 65535, 0, 0, 0}, hiddenButEnabledHexTo15},
        {10, Lamp, 1, "1X", {1, 1, 0, 65535, 0, 0, 0}, hiddenButEnabledHexTo15},
        {10, AlarmList, 1, "1X", {1, 1, 0, 65535, 0, 0, 0}, hexTo15},
        {10, MessageDisplay, 0, "M", {1, 1, 0, 65535, 0, 0, 0}, hiddenButEnabledHexTo15},
        {11, Lamp, 1, "1X", {1, 1, 0, 65535, 0, 0, 0}, noPart},
        {12, Lamp, 2, "3X", {1, 1, 0, 65535, 0, 0, 0}, hexTo15},
        {13, Key, 1, "4X", {1, 1, 0, 65535, 0, 0, 0}, hexTo15},
        {13, MessageDisplay, 3, "M", {1, 1, 0, 65535, 0, 0, 0}, hiddenButEnabledHexTo15},
        {15, Key, 0, "M", {1, 1, 0, 9999, 0, 0, 0}, hiddenTo15},
        {16, AlarmList, 5, "B13", {1, 1, 0, 9999, 0, 0, 0}, hexTo15},
        {17, Lamp, 0, "M", {1, 1, 0, 7999, 0, 0, 0}, noPart},
        {18, Key, 1, "R", {1, 1, 0, 65535, 0, 0, 0}, noPart},
        // 4294967295 is handed out as the 32-bit value with all bits set.
        {19, Lamp, 0, "M", {1, 1, 0, -1, 0, 0, 0}, noPart},
        {20, MessageDisplay, 6, "C", {1, 1, 0, 9999, 0, 0, 0}, noPart},
        {125, Lamp, 2, "Q", {1, 1, 0, 16, 1, 1, 0}, noPart},
        {125, AlarmList, 0, "B", {1, 1, 0, 130, 1, 1, 0}, noPart},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(logicCaption(c.code, c.kind, c.typeIndex), c.caption) << c.code << " kind " << c.kind;
        const AddressDescriptor expected{{c.add1, c.add2, noPart}};
        EXPECT_EQ(logicAddress(c.code, c.kind, c.typeIndex), expected) << c.code << " kind " << c.kind;
    }
}

TEST(BuiltinModels, MissingBitTypesGiveTheNeutralAnswers)
{
    const AddressDescriptor neutral{{PartDescriptor{1, 1, 0, 65535, 0, 0, 0}, noPart, noPart}};
    const struct
    {
        int code, kind, typeIndex;
    } cases[] = {{0, Lamp, 1}, {16, Key, 6}, {20, Lamp, -1}, {10, Register, 0}, {125, Key, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(logicAddress(c.code, c.kind, c.typeIndex), neutral) << c.code << " kind " << c.kind;
    EXPECT_EQ(logicCaption(12, Key, 2), "M");
    EXPECT_EQ(logicCaption(1, DynamicText, 0), "M");
    // A key on code 125 has no bit types; its dialog still shows three blanks.
    EXPECT_EQ(logicCaption(125, Key, 0), "   ");
    EXPECT_EQ(logicCaption(125, Key, 3), "   ");
}

TEST(BuiltinModels, WordTypeCounts)
{
    const struct
    {
        int code, kind, count;
    } cases[] = {
        {0, TrendChart, 1},
        {3, Key, 1},
        {3, Register, 2},
        {10, Key, 1},
        {11, BarGraph, 2},
        {12, Key, 3},
        {13, DynamicText, 4},
        {16, Register, 8},
        {19, DynamicText, 2},
        {19, TrendChart, 3},
        {20, Key, 6},
        {125, Register, 0},
        // Bit-only kinds offer no word types.
        {1, Lamp, 0},
        {20, MessageDisplay, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numericCount(c.code, c.kind), c.count) << c.code << " kind " << c.kind;
}

TEST(BuiltinModels, WordTypesCaptionsPartsAndRegisterCounts)
{
    const CountDescriptor editable{1, 1, 2, 1};
    const CountDescriptor fixedOne{-1, 1, 1, 1};
    const CountDescriptor fixed1{-1, 1, 2, 1};
    const CountDescriptor fixed2{-1, 2, 2, 1};
    const struct
    {
        int code, kind, typeIndex;
        const char* caption;
        PartDescriptor add1, add2;
        CountDescriptor count;
    } cases[] = {
        {0, Register, 0, "D", {1, 1, 1, 65535, 0, 0, 0}, noPart, fixedOne},
        {2, Key, 0, "D", {1, 1, 0, 9999, 0, 0, 0}, noPart, editable},
        {6, DynamicText, 0, "D", {1, 1, 0, 9999, 0, 0, 0}, hiddenTo15, editable},
        {3, DynamicText, 0, "VW", {1, 1, 0, 9999, 0, 0, 0}, noPart, fixed1},
        {3, BarGraph, 1, "VD", {1, 1, 0, 9999, 0, 0, 0}, {0, 0, 0, 7, 0, 0, 0}, fixed2},
        {5, Register, 0, "DM", {1, 1, 0, 9999, 0, 16, 0}, hiddenTo15, editable},
        {8, DynamicText, 0, "R", {1, 1, 0, 4095, 0, 2000, 3}, hiddenTo15, editable},
        {10, Register, 1, "3x", {1, 1, 0, 65535, 0, 0, 0}, hiddenTo15, editable},
        {11, Register, 1, "3x", {1, 1, 0, 65535, 0, 0, 0}, noPart, editable},
        {12, Key, 0, "4x", {1, 1, 0, 65535, 0, 0, 0}, hiddenTo15, editable},
        {12, TrendChart, 3, "6x", {1, 1, 0, 65535, 0, 0, 0}, hiddenTo15, fixedOne},
        {13, DynamicText, 0, "3x", {1, 1, 0, 65535, 0, 0, 0}, noPart, editable},
        {14, Register, 1, "D", {1, 1, 0, 9999, 0, 0, 0}, hiddenTo15, editable},
        {16, TrendChart, 7, "N15", {1, 1, 0, 9999, 0, 0, 0}, noPart, editable},
        {19, Register, 2, "DW", {1, 1, 0, -1, 0, 0, 0}, noPart, fixed2},
        {20, DynamicText, 1, "SD", {1, 1, 0, 9999, 0, 0, 0}, noPart, editable},
        {20, Register, 3, "T", {1, 1, 0, 9999, 0, 0, 0}, noPart, fixed1},
        // C_double takes one register on a key and two everywhere else.
        {20, Key, 5, "C_double", {1, 1, 0, 255, 200, 200, 0}, noPart, fixed1},
        {20, BarGraph, 5, "C_double", {1, 1, 0, 255, 200, 200, 0}, noPart, fixed2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numericCaption(c.code, c.kind, c.typeIndex), c.caption) << c.code << " kind " << c.kind;
        const AddressDescriptor expected{{c.add1, c.add2, noPart}};
        EXPECT_EQ(numericAddress(c.code, c.kind, c.typeIndex), expected) << c.code << " kind " << c.kind;
        EXPECT_EQ(countDescriptor(c.code, c.kind, c.typeIndex), c.count) << c.code << " kind " << c.kind;
    }
}

TEST(BuiltinModels, MissingWordTypesGiveTheNeutralAnswers)
{
    const AddressDescriptor neutral{{PartDescriptor{1, 1, 0, 9999, 0, 0, 0}, noPart, noPart}};
    const struct
    {
        int code, kind, typeIndex;
    } cases[] = {{125, Register, 0}, {3, Key, 1}, {16, Register, 8}, {1, Lamp, 0}, {17, Register, -1}};
    for (const auto& c : cases) {
        EXPECT_EQ(numericCaption(c.code, c.kind, c.typeIndex), "D") << c.code << " kind " << c.kind;
        EXPECT_EQ(numericAddress(c.code, c.kind, c.typeIndex), neutral) << c.code << " kind " << c.kind;
        EXPECT_EQ(countDescriptor(c.code, c.kind, c.typeIndex), CountDescriptor{})
            << c.code << " kind " << c.kind;
    }
}

TEST(BuiltinModels, ValueEditabilityGoesByCodeAndTypeIndexAlone)
{
    const struct
    {
        int code, kind, typeIndex;
        std::uint8_t editable;
    } cases[] = {
        {10, Register, 1, 0},
        {10, Register, 0, 1},
        {11, DynamicText, 1, 0},
        {12, DynamicText, 0, 0},
        {12, DynamicText, 1, 1},
        // A key's first type on 12 and 13 is 4x, yet it reports read-only.
        {13, Key, 0, 0},
        {20, Register, 5, 1},
        {1, Register, 0, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valueEditable(c.code, c.kind, c.typeIndex), c.editable)
            << c.code << " type " << c.typeIndex;
}

TEST(BuiltinModels, CatalogueRecordsWithABuiltinCodeAreIgnored)
{
    ScopedCatalogueRecord record(5);
    record->BaudRate = 115200;
    record->StationMax = 7;
    record.addBitType("X", 1, 1, 1);
    record.addWordType("W");

    CommSettings comm;
    communication(5, comm);
    EXPECT_EQ(comm.baud, 9600);
    EXPECT_EQ(stationRange(5).max, 99);
    EXPECT_EQ(logicCaption(5, Lamp, 0), "IR");
    EXPECT_EQ(numericCaption(5, Register, 0), "DM");
}
