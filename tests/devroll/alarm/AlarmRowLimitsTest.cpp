#include "AlarmCatalogueFixture.h"
#include "AlarmServices.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

TEST(AlarmRowLimits, BuiltinCodesUseTheRowMaximum)
{
    EXPECT_EQ(AlarmServices::rowMaxCount(0, 0), 127);
    for (int code : {1, 2, 10, 16, 20, 125})
        EXPECT_EQ(AlarmServices::rowMaxCount(code, 0), 200) << "code " << code;
    for (int code : {0, 1, 12, 20, 125}) {
        // 200 is neither mode 0 nor mode 1: the dialog then keeps to the row maximum.
        EXPECT_EQ(AlarmServices::maxType(code, 0), 200) << "code " << code;
        std::array<std::int32_t, 3> out{7, 7, 7};
        EXPECT_EQ(AlarmServices::maxAddress(code, 0, out), -1) << "code " << code;
        EXPECT_EQ(out, (std::array<std::int32_t, 3>{7, 7, 7}));
    }
}

TEST_F(AlarmCatalogueFixture, LimitsComeFromTheFilteredType)
{
    EXPECT_EQ(AlarmServices::rowMaxCount(code, 0), 64);
    EXPECT_EQ(AlarmServices::maxType(code, 0), 0);
    EXPECT_EQ(AlarmServices::rowMaxCount(code, 1), 200);
    EXPECT_EQ(AlarmServices::maxType(code, 1), 1);
    std::array<std::int32_t, 3> out{};
    EXPECT_EQ(AlarmServices::maxAddress(code, 1, out), 1);
    EXPECT_EQ(out, (std::array<std::int32_t, 3>{20, 15, 0}));
}

TEST_F(AlarmCatalogueFixture, MaxAddressAboveInt32IsHandedOutAsItsBits)
{
    alarmType(1).MaxAdd = {4294967295u, 2147483648u, 1};
    std::array<std::int32_t, 3> out{};
    EXPECT_EQ(AlarmServices::maxAddress(code, 1, out), 1);
    EXPECT_EQ(out, (std::array<std::int32_t, 3>{-1, -2147483647 - 1, 1}));
}

TEST_F(AlarmCatalogueFixture, WithoutSuchTypeTheLimitsSayNone)
{
    for (auto [c, type] : {std::pair{code, 2}, std::pair{code, -1}, std::pair{code + 1, 0}}) {
        EXPECT_EQ(AlarmServices::rowMaxCount(c, type), 200);
        EXPECT_EQ(AlarmServices::maxType(c, type), 200);
        std::array<std::int32_t, 3> out{7, 7, 7};
        EXPECT_EQ(AlarmServices::maxAddress(c, type, out), -1);
        EXPECT_EQ(out, (std::array<std::int32_t, 3>{7, 7, 7}));
    }
}

// A record that carries a built-in code does not change that code's answers.
TEST_F(AlarmCatalogueFixture, BuiltinCodesIgnoreARecordWithTheirCode)
{
    record_->PlcID = 3;
    EXPECT_EQ(AlarmServices::mcount(3), 1);
    EXPECT_EQ(AlarmServices::mcaption(3, 1), QByteArray("M"));
    EXPECT_EQ(AlarmServices::rowText(3, 1, 25, 10, 0, 0), QByteArray("M26. 2"));
    EXPECT_EQ(AlarmServices::maxType(3, 1), 200);

    record_->PlcID = 125;
    EXPECT_EQ(AlarmServices::mcount(125), 4);
    EXPECT_EQ(AlarmServices::mcaption(125, 0), QByteArray("B"));
    EXPECT_EQ(AlarmServices::rowMaxCount(125, 0), 200);
    EXPECT_EQ(AlarmServices::maxType(125, 1), 200);
    std::array<std::int32_t, 3> out{};
    EXPECT_EQ(AlarmServices::maxAddress(125, 1, out), -1);
}

} // namespace
