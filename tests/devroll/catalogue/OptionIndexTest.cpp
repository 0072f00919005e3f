// The option index map: where the built-in models and the catalogue models
// sit in Designer's PLC selection list.

#include "Catalogue.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

void addRecord(Catalogue& catalogue, int id, int index)
{
    TZd740drive* r = catalogue.add();
    r->PlcID = id;
    r->PlcIndex = index;
}

std::vector<std::int32_t> builtinIndexes(const Catalogue& catalogue)
{
    std::vector<std::int32_t> indexes;
    for (int code = 2; code <= 20; ++code)
        indexes.push_back(catalogue.optionIndexOf(std::uint8_t(code)));
    return indexes;
}

std::vector<std::int32_t> range(std::int32_t first, std::int32_t last)
{
    std::vector<std::int32_t> v;
    for (std::int32_t i = first; i <= last; ++i)
        v.push_back(i);
    return v;
}

} // namespace

TEST(OptionIndex, BuiltinEntriesAreZeroUntilComputed)
{
    Catalogue catalogue;
    addRecord(catalogue, 30, 5);
    EXPECT_EQ(builtinIndexes(catalogue), std::vector<std::int32_t>(19, 0));
    EXPECT_EQ(catalogue.plcCodeAt(0), 2);
    EXPECT_EQ(catalogue.plcCodeAt(5), 30);
    EXPECT_EQ(catalogue.plcCodeAt(1197), 0);
    EXPECT_EQ(catalogue.plcCodeAt(1198), 125);
}

TEST(OptionIndex, WithoutRecordsBuiltinsTakeZeroTo18)
{
    Catalogue catalogue;
    catalogue.computeOptionIndexes();
    EXPECT_EQ(builtinIndexes(catalogue), range(0, 18));
    for (int i = 0; i <= 18; ++i)
        EXPECT_EQ(catalogue.plcCodeAt(i), i + 2);
    EXPECT_EQ(catalogue.plcCodeAt(19), 255);
    EXPECT_EQ(catalogue.plcCodeAt(-1), 255);
    EXPECT_EQ(catalogue.optionIndexOf(0), 1197);
    EXPECT_EQ(catalogue.optionIndexOf(125), 1198);
    EXPECT_EQ(catalogue.optionIndexOf(1), 0);
    EXPECT_FALSE(catalogue.hasOptionIndex(1));
    EXPECT_TRUE(catalogue.hasOptionIndex(0));
    EXPECT_TRUE(catalogue.hasOptionIndex(2));
    EXPECT_TRUE(catalogue.hasOptionIndex(125));
    EXPECT_EQ(catalogue.optionIndexOf(200), 0);
    EXPECT_FALSE(catalogue.hasOptionIndex(200));
}

// Built-in models take the places no record uses, so no record is hidden
// behind a built-in one.
TEST(OptionIndex, BuiltinsFillTheFreePlacesAroundRecords)
{
    struct Case
    {
        const char* what;
        std::vector<std::int32_t> recordIndexes;
        std::vector<std::int32_t> builtins;
    };
    std::vector<std::int32_t> upTo1000 = range(0, 1000);
    std::vector<std::int32_t> upTo1190 = range(0, 1190);
    std::vector<std::int32_t> past1198 = range(1191, 1196);
    for (std::int32_t i : range(1199, 1211))
        past1198.push_back(i);
    std::vector<std::int32_t> around = {1};
    for (std::int32_t i : range(3, 20))
        around.push_back(i);
    const Case cases[] = {
        {"records at 0 and 2", {0, 2}, around},
        {"records after the built-ins", {19, 40}, range(0, 18)},
        {"records inside the built-ins",
         {5, 6, 7},
         [] {
             std::vector<std::int32_t> v = range(0, 4);
             for (std::int32_t i : range(8, 21))
                 v.push_back(i);
             return v;
         }()},
        {"every place up to 1000 taken", upTo1000, range(1001, 1019)},
        {"past 1197 and 1198", upTo1190, past1198},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Catalogue catalogue;
        for (size_t i = 0; i < c.recordIndexes.size(); ++i)
            addRecord(catalogue, 21 + int(i % 200), c.recordIndexes[i]);
        catalogue.computeOptionIndexes();
        EXPECT_EQ(builtinIndexes(catalogue), c.builtins);
        for (const auto& record : catalogue.records())
            ASSERT_EQ(catalogue.plcCodeAt(record->PlcIndex), std::uint8_t(record->PlcID))
                << "record at " << record->PlcIndex << " hidden";
    }
}

// Between records, the last one in list order answers.
TEST(OptionIndex, LastMatchingRecordAnswers)
{
    Catalogue catalogue;
    addRecord(catalogue, 30, 50);
    addRecord(catalogue, 31, 50);
    addRecord(catalogue, 40, 60);
    addRecord(catalogue, 40, 61);
    catalogue.computeOptionIndexes();
    EXPECT_EQ(catalogue.plcCodeAt(50), 31);
    EXPECT_EQ(catalogue.optionIndexOf(40), 61);
    EXPECT_EQ(catalogue.find(40)->PlcIndex, 60); // other lookups take the first
    EXPECT_TRUE(catalogue.hasOptionIndex(40));

    addRecord(catalogue, 50, 1197);
    EXPECT_EQ(catalogue.plcCodeAt(1197), 0);
}
