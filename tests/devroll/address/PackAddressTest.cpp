// The catalogue encoders: what goes into the download image for an address
// of a catalogue model.
#include "AddressModel.h"
#include "ObjectKinds.h"
#include "ScopedCatalogueRecord.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace AddressModel;

namespace {

constexpr int code = 80;
constexpr int bitFamily = 0, wordFamily = 1;
constexpr int lampSelector = 0, keySelector = 1, registerSelector = 3, graphSelector = 4, alarmSelector = 6;

// Outputs as the caller left them, to see that a failed call writes nothing.
PackedAddress untouched()
{
    PackedAddress p;
    p.storeType = p.storeAdd1 = p.storeAdd2 = p.storeAdd3 = 0xee;
    p.typeValue = p.sendType = p.sendPart2 = p.sendPart3 = 0xee;
    p.address = p.part2 = p.part3 = -77;
    p.partsWritten = true;
    return p;
}

// A record with one word type under the given PackMode and factors.
struct PackFixture
{
    PackFixture(std::uint8_t mode, double a, double b, std::int32_t c) : record(code)
    {
        TdrivevalueD& type = record.addWordType("W");
        type.PackMode = mode;
        type.FactorA = a;
        type.FactorB = b;
        type.OffsetC = c;
    }
    std::int32_t pack(std::uint32_t add1, std::uint32_t add2, PackedAddress& out) const
    {
        return packAddress(wordFamily, code, registerSelector, 0, add1, add2, 33, out);
    }
    ScopedCatalogueRecord record;
};

} // namespace

TEST(PackAddress, ModesComputeTheAddress)
{
    const struct
    {
        std::uint8_t mode;
        double a, b;
        std::int32_t c;
        std::uint32_t add1, add2;
        std::int32_t expected;
    } cases[] = {
        {0, 1.0, 0.0, 0, 1234, 5, 1234},
        {0, 1.0, 0.0, -5, 3, 0, -2},
        {0, 1.0, 0.0, 1, 4294967295u, 0, 0}, // wraps to 32 bits
        {1, 2.0, 0.5, 7, 100, 20, 217},
        {1, -0.5, 0.0, 0, 3, 0, -2},    // Floor(-1.5) goes down, not towards zero
        {1, 0.25, 1.75, 1, 10, 3, 8},   // 2 + 5 + 1
        {2, 10.7, 3.9, 1, 125, 0, 15},  // 125 div 10 + 125 mod 3 + 1
        {2, -2.5, 4.0, 0, 125, 0, -40}, // 125 div -3 truncates: -41 + 1
        {3, 2.0, 100.0, 5, 110, 0, 25},
        {3, 1.0, 3.0, 0, 1, 0, -2},         // (1 - 3) wraps to 4294967294, low 32 bits
        {3, 2.0, 3.0, 0, 1, 0, -4},         // 8589934588, low 32 bits
        {3, 0.5, 3.9, 0, 1, 0, 2147483647}, // Floor(b) = 3: 4294967294 * 0.5
    };
    for (const auto& c : cases) {
        PackFixture fixture(c.mode, c.a, c.b, c.c);
        PackedAddress out;
        ASSERT_EQ(fixture.pack(c.add1, c.add2, out), 1) << int(c.mode);
        EXPECT_EQ(out.address, c.expected) << "mode " << int(c.mode) << " add1 " << c.add1;
    }
}

TEST(PackAddress, OnlyModeZeroWritesTheOtherParts)
{
    {
        PackFixture general(0, 1.0, 0.0, 0);
        PackedAddress out = untouched();
        ASSERT_EQ(general.pack(10, 4294967295u, out), 1);
        EXPECT_TRUE(out.partsWritten);
        EXPECT_EQ(out.part2, -1);
        EXPECT_EQ(out.part3, 33);
    }
    PackFixture scaled(1, 1.0, 1.0, 0);
    PackedAddress out = untouched();
    ASSERT_EQ(scaled.pack(10, 20, out), 1);
    EXPECT_EQ(out.address, 30);
    EXPECT_FALSE(out.partsWritten);
    EXPECT_EQ(out.part2, -77);
    EXPECT_EQ(out.part3, -77);
}

TEST(PackAddress, UnusableModesAnswerNotFoundAndWriteNothing)
{
    const struct
    {
        std::uint8_t mode;
        double a, b;
    } cases[] = {
        {2, 0.5, 3.0},                         // Floor(a) = 0 would divide by zero
        {2, 4.0, 0.9},                         // Floor(b) = 0 would too
        {2, std::nan(""), 3.0}, {4, 1.0, 0.0}, // no such mode
        {255, 1.0, 0.0},
    };
    for (const auto& c : cases) {
        PackFixture fixture(c.mode, c.a, c.b, 0);
        PackedAddress out = untouched();
        EXPECT_EQ(fixture.pack(100, 0, out), 0) << int(c.mode) << " " << c.a << " " << c.b;
        EXPECT_EQ(out, untouched()) << int(c.mode);
    }
}

TEST(PackAddress, HugeFactorsStayWithinDefinedArithmetic)
{
    constexpr double huge = 1e300;
    const double inf = std::numeric_limits<double>::infinity();
    const struct
    {
        std::uint8_t mode;
        double a, b;
        std::int32_t c;
        std::int32_t expected;
    } cases[] = {
        // Floors beyond 64 bits are clamped before the low 32 bits are kept.
        {1, huge, 0.0, 0, -1},
        {1, -huge, 0.0, 0, 0},
        {1, huge, huge, std::numeric_limits<std::int32_t>::max(),
         std::numeric_limits<std::int32_t>::max() - 2},
        {1, std::nan(""), 0.0, 5, 5},
        {2, huge, huge, 1, 101}, // 100 div huge is 0, 100 mod huge is 100
        {2, -inf, 7.0, 0, 2},
        {3, huge, -huge, 0, -1},
    };
    for (const auto& c : cases) {
        PackFixture fixture(c.mode, c.a, c.b, c.c);
        PackedAddress out;
        ASSERT_EQ(fixture.pack(100, 1, out), 1) << int(c.mode) << " " << c.a << " " << c.b;
        EXPECT_EQ(out.address, c.expected) << int(c.mode) << " " << c.a << " " << c.b;
    }
}

TEST(PackAddress, StorePositionsTypeValueAndFlags)
{
    ScopedCatalogueRecord record(code);
    TdrivevalueL& type = record.addBitType("X", 1, 1, 1);
    type.StorePos = {3, 0, 2, 1};
    type.Code = 0x1a5;
    type.CodeIsIndex = 2; // only 1 selects the index

    PackedAddress out;
    ASSERT_EQ(packAddress(bitFamily, code, lampSelector, 0, 1, 0, 0, out), 1);
    EXPECT_EQ(out.storeType, 3);
    EXPECT_EQ(out.storeAdd1, 0);
    EXPECT_EQ(out.storeAdd2, 2);
    EXPECT_EQ(out.storeAdd3, 1);
    EXPECT_EQ(out.typeValue, 0xa5);
    EXPECT_EQ(out.sendType, 1);
}

TEST(PackAddress, CodeIsIndexSendsTheIndexWithinTheKindsList)
{
    ScopedCatalogueRecord record(code);
    record.addBitType("X", 1, 0, 1);
    record.addBitType("Y", 0, 1, 1);
    TdrivevalueL& z = record.addBitType("Z", 1, 0, 1);
    z.CodeIsIndex = 1;
    z.Code = 40;

    PackedAddress lamp, alarm;
    ASSERT_EQ(packAddress(bitFamily, code, lampSelector, 1, 0, 0, 0, lamp), 1);
    ASSERT_EQ(packAddress(bitFamily, code, alarmSelector, 2, 0, 0, 0, alarm), 1);
    EXPECT_EQ(lamp.typeValue, 1);
    EXPECT_EQ(alarm.typeValue, 2);
}

TEST(PackAddress, PartFlagsDifferForBitAndWordTypes)
{
    const struct
    {
        std::uint8_t add2Visible, add2Editable, add3Editable;
        std::uint8_t bitPart2, bitPart3, wordPart2, wordPart3;
    } cases[] = {
        {1, 1, 1, 1, 1, 1, 1}, {1, 1, 0, 1, 0, 1, 1}, {1, 0, 1, 0, 1, 0, 0},
        {0, 1, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        ScopedCatalogueRecord record(code);
        TdrivevalueL& bit = record.addBitType("B", 1, 1, 1);
        bit.Parts[1].Visible = c.add2Visible;
        bit.Parts[1].Editable = c.add2Editable;
        bit.Parts[2].Editable = c.add3Editable;
        TdrivevalueD& word = record.addWordType("W");
        word.Parts = record->BitTypes[0].Parts;

        PackedAddress b, w;
        ASSERT_EQ(packAddress(bitFamily, code, keySelector, 0, 0, 0, 0, b), 1);
        ASSERT_EQ(packAddress(wordFamily, code, keySelector, 0, 0, 0, 0, w), 1);
        SCOPED_TRACE(::testing::Message() << "visible " << int(c.add2Visible) << " editable "
                                          << int(c.add2Editable) << ", " << int(c.add3Editable));
        EXPECT_EQ(b.sendPart2, c.bitPart2);
        EXPECT_EQ(b.sendPart3, c.bitPart3);
        EXPECT_EQ(w.sendPart2, c.wordPart2);
        EXPECT_EQ(w.sendPart3, c.wordPart3);
    }
}

TEST(PackAddress, NotFoundWritesNothing)
{
    ScopedCatalogueRecord record(code);
    record.addBitType("B", 1, 0, 0);
    TdrivevalueD& graph = record.addWordType("G");
    graph.ForKey = graph.ForDText = graph.ForRegister = 0;

    const struct
    {
        int family, code, selector, typeIndex;
    } cases[] = {
        {bitFamily, code + 1, lampSelector, 0}, // no record
        {bitFamily, 5, lampSelector, 0},        // built-in codes have no catalogue types
        {bitFamily, code, lampSelector, 1},     // past the lamp list
        {bitFamily, code, keySelector, 0},      // not offered to keys
        {bitFamily, code, 2, 0},                // not a bit selector
        {wordFamily, code, registerSelector, 0},
        {wordFamily, code, lampSelector, 0}, // selector 0 is no word kind
        {wordFamily, code, alarmSelector, 0},
        {2, code, graphSelector, 0}, // no such family
    };
    for (const auto& c : cases) {
        PackedAddress out = untouched();
        EXPECT_EQ(packAddress(c.family, c.code, c.selector, c.typeIndex, 1, 2, 3, out), 0)
            << c.family << " " << c.code << " " << c.selector << " " << c.typeIndex;
        EXPECT_EQ(out, untouched());
    }
    PackedAddress out;
    EXPECT_EQ(packAddress(wordFamily, code, graphSelector, 0, 1, 2, 3, out), 1);
    EXPECT_EQ(packAddress(wordFamily, code, 5, 0, 1, 2, 3, out), 1);
}

TEST(PackDjcqcount, OnlyTheLimitAddressHasASpecialCount)
{
    ScopedCatalogueRecord record(code);
    TdrivevalueD& limited = record.addWordType("L");
    limited.LimitEnabled = 1;
    limited.LimitAddress = 500;
    limited.LimitCount = 4;
    limited.ForRegister = 0;
    TdrivevalueD& disabled = record.addWordType("N");
    disabled.LimitAddress = 500;
    disabled.LimitCount = 4;

    const struct
    {
        int code, selector, typeIndex;
        std::uint32_t address;
        std::int32_t expected;
    } cases[] = {
        {code, graphSelector, 0, 500, 4},
        {code, graphSelector, 0, 499, -1},
        {code, graphSelector, 0, 501, -1},
        {code, graphSelector, 1, 500, -1},    // limit not enabled
        {code, registerSelector, 0, 500, -1}, // index 0 of registers is N
        {code, 0, 0, 500, -1},
        {code + 1, graphSelector, 0, 500, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(packDjcqcount(c.code, c.selector, c.typeIndex, c.address), c.expected)
            << c.code << " " << c.selector << " " << c.typeIndex << " " << c.address;
}
