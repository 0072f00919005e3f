// The value range of a register from its type, register count and number
// format (0 unsigned decimal, 1 hexadecimal or BCD, 2 signed decimal).
#include "AddressModel.h"
#include "ObjectKinds.h"
#include "ScopedCatalogueRecord.h"

#include <gtest/gtest.h>
#include <limits>

using namespace AddressModel;
using namespace ObjectKind;

namespace {

using Range = std::pair<std::int64_t, std::int64_t>;
const Range unsigned8{0, 255};
const Range signed8{-128, 127};
const Range unsigned16{0, 65535};
const Range signed16{-32768, 32767};
const Range unsigned32{0, 4294967295};
const Range signed32{-2147483648, 2147483647};

struct Case
{
    int code, typeIndex, count, format;
    Range expected;
};

void expectRanges(std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(valueRange(c.code, Register, c.typeIndex, c.count, c.format), c.expected)
            << "code " << c.code << " type " << c.typeIndex << " count " << c.count << " format " << c.format;
}

} // namespace

TEST(ValueRange, BuiltinModelsUseSixteenBitsPerRegister)
{
    expectRanges({
        {1, 0, 1, 0, unsigned16},
        {1, 0, 1, 1, unsigned16},
        {1, 0, 1, 2, signed16},
        {1, 0, 1, 7, signed16}, // any format but 0 and 1 is signed
        {12, 1, 2, 0, unsigned32},
        {20, 0, 2, 2, signed32},
        {1, 0, 0, 0, unsigned8},
    });
}

TEST(ValueRange, Code19WidthFollowsTheTypeNotTheCount)
{
    expectRanges({
        {19, 0, 2, 0, unsigned8},
        {19, 1, 1, 2, signed16},
        {19, 2, 1, 2, signed32},
        {19, 5, 2, 2, signed8},
    });
}

TEST(ValueRange, CatalogueWidthIsRegistersWhenCountIsEditableElseDataBits)
{
    ScopedCatalogueRecord record(70);
    TdrivevalueD& byCount = record.addWordType("COUNT");
    byCount.DataBits = 8; // not consulted while the count is editable
    TdrivevalueD& dword = record.addWordType("DWORD");
    dword.CountEditable = 0;
    dword.DataBits = 32;
    TdrivevalueD& byte = record.addWordType("BYTE");
    byte.CountEditable = 0;
    byte.DataBits = 8;

    expectRanges({
        {70, 0, 1, 0, unsigned16},
        {70, 0, 2, 2, signed32},
        {70, 1, 1, 2, signed32},
        {70, 1, 5, 0, unsigned32},
        {70, 2, 2, 2, signed8},
        {70, 2, 1, 1, unsigned8},
        // Without a type the registers decide, as on the built-in models.
        {70, 3, 2, 0, unsigned32},
        {71, 0, 1, 2, signed16},
    });
}

TEST(ValueRange, WidthsBeyondThirtyTwoBitsGetTheThirtyTwoBitRange)
{
    ScopedCatalogueRecord record(70);
    record.addWordType("COUNT").CountMax = 4;
    TdrivevalueD& wide = record.addWordType("QWORD");
    wide.CountEditable = 0;
    wide.DataBits = 64;

    constexpr int manyRegisters = std::numeric_limits<int>::max();
    expectRanges({
        {70, 0, 3, 0, unsigned32},
        {70, 0, 4, 2, signed32},
        {70, 1, 1, 2, signed32},
        {70, 1, 1, 0, unsigned32},
        {1, 0, 3, 2, signed32},
        {1, 0, manyRegisters, 0, unsigned32},
    });
}
