#pragma once

#include "Catalogue.h"
#include "DriveTypes.h"

#include <gtest/gtest.h>

// A catalogue model with four bit types of which the alarm list sees two:
//   BitTypes 0 "X"  alarm type 0, add1 octal 0-4095 default 8, add2 hex shown but fixed
//   BitTypes 1 "L"  lamp only
//   BitTypes 2 "K"  ForAlarm 2, which counts as off
//   BitTypes 3 "Q"  alarm type 1, AddrFormat 4, rows limited by the address 20/15
class AlarmCatalogueFixture : public ::testing::Test
{
protected:
    static constexpr int code = 201;

    void SetUp() override
    {
        record_ = Catalogue::instance().add();
        record_->PlcID = code;
        record_->BitTypes = {typeX(), bitType("L", 0), bitType("K", 2), typeQ()};
    }

    void TearDown() override
    {
        const auto& records = Catalogue::instance().records();
        for (size_t i = 0; i < records.size(); ++i)
            if (records[i].get() == record_)
                Catalogue::instance().remove(int(i));
    }

    // The stored type behind alarm type index i (X or Q).
    TdrivevalueL& alarmType(int i) { return record_->BitTypes[i == 0 ? 0 : 3]; }

    TZd740drive* record_ = nullptr;

private:
    static TdrivevalueL bitType(const char* name, std::uint8_t forAlarm)
    {
        TdrivevalueL t;
        t.Name = name;
        t.ForAlarm = forAlarm;
        return t;
    }

    static TdrivevalueL typeX()
    {
        TdrivevalueL t = bitType("X", 1);
        t.Parts[0].Radix = 2;
        t.Parts[0].MaxValue = 4095;
        t.Parts[0].DefValue = 8;
        t.Parts[1] = {0, 1, 0, 15, 0, 1};
        t.Parts[2] = {1, 0, 0, 0, 0, 0};
        t.AlarmMaxRows = 64;
        return t;
    }

    static TdrivevalueL typeQ()
    {
        TdrivevalueL t = bitType("Q", 1);
        t.AddrFormat = 4;
        t.AlarmMaxMode = 1;
        t.MaxAdd = {20, 15, 0};
        return t;
    }
};
