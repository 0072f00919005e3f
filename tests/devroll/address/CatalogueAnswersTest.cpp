// Catalogue models (codes other than 0 to 20 and 125): answers come from the
// record whose PlcID is the code, through the type lists filtered by kind.
#include "AddressModel.h"
#include "ObjectKinds.h"
#include "ScopedCatalogueRecord.h"

#include <gtest/gtest.h>

using namespace AddressModel;
using namespace ObjectKind;

namespace {

constexpr int code = 60;
constexpr int missingCode = 61;

const PartDescriptor noPart{};
const AddressDescriptor neutralBit{{PartDescriptor{1, 1, 0, 65535, 0, 0, 0}, noPart, noPart}};
const AddressDescriptor neutralWord{{PartDescriptor{1, 1, 0, 9999, 0, 0, 0}, noPart, noPart}};

} // namespace

TEST(CatalogueAnswers, BitTypesAreFilteredByTheKindsUsageFlag)
{
    ScopedCatalogueRecord record(code);
    record.addBitType("X", 1, 0, 1);
    record.addBitType("Y", 0, 1, 1);
    record.addBitType("Z", 2, 0, 0); // a flag other than 1 is off

    const struct
    {
        int kind, count;
        std::vector<const char*> captions;
    } cases[] = {
        {Lamp, 1, {"X"}},
        {Key, 1, {"Y"}},
        {AlarmList, 2, {"X", "Y"}},
        {Register, 0, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(logicCount(code, c.kind), c.count) << c.kind;
        for (std::size_t i = 0; i < c.captions.size(); ++i)
            EXPECT_EQ(logicCaption(code, c.kind, int(i)), c.captions[i]) << c.kind;
        EXPECT_EQ(logicCaption(code, c.kind, c.count), "M") << c.kind;
        EXPECT_EQ(logicAddress(code, c.kind, c.count), neutralBit) << c.kind;
    }
}

TEST(CatalogueAnswers, WordTypesAreFilteredByTheKindsUsageFlag)
{
    ScopedCatalogueRecord record(code);
    record.addWordType("ALL");
    TdrivevalueD& graph = record.addWordType("GRAPH");
    graph.ForKey = graph.ForDText = graph.ForRegister = 0;
    TdrivevalueD& text = record.addWordType("TEXT");
    text.ForKey = text.ForRegister = text.ForGraph = 0;

    const struct
    {
        int kind, typeIndex;
        const char* caption;
    } cases[] = {
        {Key, 0, "ALL"},    {Key, 1, "D"},          {DynamicText, 1, "TEXT"},
        {Register, 1, "D"}, {BarGraph, 1, "GRAPH"}, {TrendChart, 1, "GRAPH"},
        {Lamp, 0, "D"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numericCaption(code, c.kind, c.typeIndex), c.caption) << c.kind << " " << c.typeIndex;
    EXPECT_EQ(numericCount(code, BarGraph), 2);
    EXPECT_EQ(numericCount(code, Register), 1);
    EXPECT_EQ(numericAddress(code, Register, 1), neutralWord);
}

TEST(CatalogueAnswers, MessageDisplayIsNotFiltered)
{
    ScopedCatalogueRecord record(code);
    record.addBitType("X", 1, 1, 1).Parts[0].MaxValue = 7;

    for (int c : {code, missingCode}) {
        EXPECT_EQ(logicCount(c, MessageDisplay), 1) << c;
        EXPECT_EQ(logicCaption(c, MessageDisplay, 0), "M") << c;
        EXPECT_EQ(logicAddress(c, MessageDisplay, 0), neutralBit) << c;
    }
}

TEST(CatalogueAnswers, MissingRecordGivesNotFoundAnswers)
{
    for (int kind : {Lamp, Key, AlarmList})
        EXPECT_EQ(logicCount(missingCode, kind), 0) << kind;
    for (int kind : {Key, DynamicText, Register, BarGraph, TrendChart})
        EXPECT_EQ(numericCount(missingCode, kind), 0) << kind;
    EXPECT_EQ(logicCaption(missingCode, Lamp, 0), "M");
    EXPECT_EQ(logicAddress(missingCode, Lamp, 0), neutralBit);
    EXPECT_EQ(numericCaption(missingCode, Register, 0), "D");
    EXPECT_EQ(numericAddress(missingCode, Register, 0), neutralWord);
    EXPECT_EQ(countDescriptor(missingCode, Register, 0), (CountDescriptor{1, 1, 2, 1}));
    EXPECT_EQ(valueEditable(missingCode, Register, 0), 0);
    EXPECT_EQ(numericDefaultPart(missingCode, Register, 0, 1), 0);

    CommSettings comm{1, 2, 3, 4, 5};
    EXPECT_EQ(communication(missingCode, comm), -1);
    EXPECT_EQ(comm, (CommSettings{9600, 8, 1, 0, 0}));

    const StationRange station = stationRange(missingCode);
    EXPECT_FALSE(station.found);
    EXPECT_EQ(station, (StationRange{0, 0, 255, 0, 0, false}));
}

TEST(CatalogueAnswers, CommunicationAndStationComeFromTheRecord)
{
    ScopedCatalogueRecord record(code);
    record->BaudRate = 57600;
    record->DataBits = 7;
    record->StopBits = 2;
    record->Parity = 1;
    record->CommExtra = 3;
    record->StationEditable = 1;
    record->StationMin = 2;
    record->StationMax = 31;
    record->StationDefault = 5;

    CommSettings comm;
    EXPECT_EQ(communication(code, comm), 1);
    EXPECT_EQ(comm, (CommSettings{57600, 7, 2, 1, 3}));

    const struct
    {
        std::uint8_t radix, hex;
    } radixes[] = {{0, 0}, {1, 1}, {2, 0}};
    for (const auto& r : radixes) {
        record->StationRadix = r.radix;
        EXPECT_EQ(stationRange(code), (StationRange{r.hex, 1, 31, 2, 5, true})) << int(r.radix);
    }
}

TEST(CatalogueAnswers, PartDescriptorsComeFromTheType)
{
    ScopedCatalogueRecord record(code);
    TdrivevalueD& type = record.addWordType("W");
    type.Parts[0] = {0, 0, 10, 4294967295u, 12, 1}; // add1 is shown and editable whatever it says
    type.Parts[1] = {1, 0, 0, 7, 3, 2};
    type.Parts[2] = {0, 1, 1, 9, 0, 0};

    const AddressDescriptor expected{{
        PartDescriptor{1, 1, 1, -1, 10, 12, 0},
        PartDescriptor{1, 0, 0, 7, 0, 3, 3},
        PartDescriptor{0, 1, 0, 9, 1, 0, 0},
    }};
    EXPECT_EQ(numericAddress(code, DynamicText, 0), expected);

    record.addBitType("B", 1, 1, 1).Parts = type.Parts;
    EXPECT_EQ(logicAddress(code, AlarmList, 0), expected);
}

TEST(CatalogueAnswers, RegisterCountAndValueEditability)
{
    ScopedCatalogueRecord record(code);
    TdrivevalueD& fixed = record.addWordType("FIXED");
    fixed.CountEditable = 0;
    fixed.CountDefault = 2;
    fixed.CountMax = 4;
    fixed.CountMin = 2;
    fixed.ValueEditable = 0;
    TdrivevalueD& open = record.addWordType("OPEN");
    open.CountEditable = 5; // any value other than 0 means editable
    open.CountDefault = 1;
    open.CountMax = 3;
    open.CountMin = 1;

    EXPECT_EQ(countDescriptor(code, Register, 0), (CountDescriptor{-1, 2, 4, 2}));
    EXPECT_EQ(countDescriptor(code, Register, 1), (CountDescriptor{1, 1, 3, 1}));
    EXPECT_EQ(valueEditable(code, Register, 0), 0);
    EXPECT_EQ(valueEditable(code, Register, 1), 1);
}
