#pragma once

#include "DasBytes.h"
#include "TZd740drive.h"

#include <gtest/gtest.h>

// A catalogue file assembled by hand from the field table, every field set to
// something unlike its default. Marks name where fields start.
inline DasBytes handMadeModel()
{
    DasBytes f;
    f.mark("F1").i32(120).mark("filler 1").raw(QByteArray(121, char(0xAA)));
    f.mark("PassProtect").u8(1);
    f.mark("F2").i32(100).mark("filler 2");
    for (int i = 0; i <= 100; ++i)
        f.i32(7);
    f.mark("Password").text("pw").mark("Reserved").f64(1.0).mark("caption count").i32(3);
    f.mark("Captions[0]").text("\xC4\xA3\xD0\xCD\xBC\xD7"); // 模型甲
    f.mark("Captions[1]").text("\xC4\xA3\xD0\xCD\xD2\xD2"); // 模型乙
    f.mark("Captions[2]").text("Model A");
    f.mark("PlcID").i32(42).u8(1).i32(7);                   // PlcID, BasedOnOther, BaseID
    f.mark("Station").u8(0).u8(1).u8(3).u8(30).u8(5).u8(1); // editable .. radix

    f.mark("BitTypes count").i32(2);
    f.mark("BitTypes[0]").text("X").u16(0x0102).u8(1);
    f.u8(1).u8(1).u32(0).u32(4095).u32(8).u8(2); // add1
    f.u8(1).u8(0).u32(1).u32(15).u32(2).u8(1);   // add2
    f.u8(0).u8(1).u32(0).u32(7).u32(0).u8(0);    // add3
    f.i32(5).u8(3).u8(2).u8(1).u8(0).u8(2).f64(16.0).f64(-0.5).i32(-3);
    f.mark("BitTypes[0].tail").i32(1).i32(64).u32(100).u32(15).u32(0xFFFFFFFF).u8(1).u8(0).u8(2);
    f.mark("BitTypes[1]").text("Y2").u16(9).u8(0);
    for (int part = 0; part < 3; ++part)
        f.u8(1).u8(1).u32(0).u32(65535).u32(0).u8(0);
    f.i32(8).u8(1).u8(2).u8(3).u8(0).u8(3).f64(2.0).f64(3.0).i32(1000);
    f.i32(0).i32(200).u32(65535).u32(0).u32(0).u8(0).u8(1).u8(1);

    f.mark("BaudRate").i32(19200).u8(7).u8(2).u8(2).u8(9);
    f.mark("WordTypes count").i32(1);
    f.mark("WordTypes[0]").text("D").u16(3).u8(0);
    f.u8(1).u8(1).u32(10).u32(9999).u32(100).u8(0);
    f.u8(0).u8(0).u32(0).u32(15).u32(0).u8(0);
    f.u8(0).u8(0).u32(0).u32(15).u32(0).u8(0);
    f.i32(1).u8(0).u8(1).u8(2).u8(3).u8(1).f64(1.0).f64(0.0).i32(0);
    f.mark("WordTypes[0].tail").u8(0).u8(1).u8(2).u8(2).u8(2).i32(32).u8(1).u32(8000).i32(2);
    f.u8(0).u8(5).i64(-2147483649LL).i64(0x100000000LL).i64(-1).u8(0).u8(1).u8(0).u8(1);

    f.mark("History.Version").f64(2.5);
    f.mark("History.Editor").text("ed").mark("History.EditTime").text("2009-3-7 9:5:0");
    f.mark("History.Notes").text("");
    f.mark("PlcIndex").i32(77).mark("SpareTable");
    for (int i = 0; i <= 200; ++i)
        f.u8(std::uint8_t(200 - i));
    f.mark("end");
    return f;
}

// Every stored field of the hand-made model; EditTime only when asked, since
// a writer restamps it.
inline void expectHandMadeModel(const TZd740drive& r, bool withEditTime = true)
{
    EXPECT_EQ(r.PassProtect, 1);
    EXPECT_EQ(r.Password, "pw");
    EXPECT_EQ(r.Reserved, 1.0);
    EXPECT_EQ(r.Captions[0], "\xC4\xA3\xD0\xCD\xBC\xD7");
    EXPECT_EQ(r.Captions[1], "\xC4\xA3\xD0\xCD\xD2\xD2");
    EXPECT_EQ(r.Captions[2], "Model A");
    EXPECT_EQ(r.PlcID, 42);
    EXPECT_EQ(r.BasedOnOther, 1);
    EXPECT_EQ(r.BaseID, 7);
    EXPECT_EQ(r.StationEditable, 0);
    EXPECT_EQ(r.StationUsed, 1);
    EXPECT_EQ(r.StationMin, 3);
    EXPECT_EQ(r.StationMax, 30);
    EXPECT_EQ(r.StationDefault, 5);
    EXPECT_EQ(r.StationRadix, 1);

    ASSERT_EQ(r.BitTypes.size(), 2u);
    TdrivevalueL x;
    x.Name = "X";
    x.Code = 0x0102;
    x.CodeIsIndex = 1;
    x.Parts = {Tdrivepart{1, 1, 0, 4095, 8, 2}, Tdrivepart{1, 0, 1, 15, 2, 1}, Tdrivepart{0, 1, 0, 7, 0, 0}};
    x.AddrFormat = 5;
    x.StorePos = {3, 2, 1, 0};
    x.PackMode = 2;
    x.FactorA = 16.0;
    x.FactorB = -0.5;
    x.OffsetC = -3;
    x.AlarmMaxMode = 1;
    x.AlarmMaxRows = 64;
    x.MaxAdd = {100, 15, 0xFFFFFFFF};
    x.ForLamp = 1;
    x.ForKey = 0;
    x.ForAlarm = 2;
    EXPECT_EQ(r.BitTypes[0], x);
    TdrivevalueL y;
    y.Name = "Y2";
    y.Code = 9;
    y.AddrFormat = 8;
    y.StorePos = {1, 2, 3, 0};
    y.PackMode = 3;
    y.FactorA = 2.0;
    y.FactorB = 3.0;
    y.OffsetC = 1000;
    y.ForLamp = 0;
    EXPECT_EQ(r.BitTypes[1], y);

    EXPECT_EQ(r.BaudRate, 19200);
    EXPECT_EQ(r.DataBits, 7);
    EXPECT_EQ(r.Parity, 2);
    EXPECT_EQ(r.StopBits, 2);
    EXPECT_EQ(r.CommExtra, 9);

    ASSERT_EQ(r.WordTypes.size(), 1u);
    TdrivevalueD d;
    d.Name = "D";
    d.Code = 3;
    d.Parts = {Tdrivepart{1, 1, 10, 9999, 100, 0}, Tdrivepart{0, 0, 0, 15, 0, 0},
               Tdrivepart{0, 0, 0, 15, 0, 0}};
    d.AddrFormat = 1;
    d.StorePos = {0, 1, 2, 3};
    d.PackMode = 1;
    d.CountEditable = 0;
    d.CountVisible = 1;
    d.CountMin = 2;
    d.CountMax = 2;
    d.CountDefault = 2;
    d.DataBits = 32;
    d.LimitEnabled = 1;
    d.LimitAddress = 8000;
    d.LimitCount = 2;
    d.ValueEditable = 0;
    d.ValueSpare = 5;
    d.ValueMin = -2147483649LL;
    d.ValueMax = 0x100000000LL;
    d.ValueDefault = -1;
    d.ForKey = 0;
    d.ForDText = 1;
    d.ForRegister = 0;
    d.ForGraph = 1;
    EXPECT_EQ(r.WordTypes[0], d);

    EXPECT_EQ(r.History.Version, 2.5);
    EXPECT_EQ(r.History.Editor, "ed");
    if (withEditTime) {
        EXPECT_EQ(r.History.EditTime, "2009-3-7 9:5:0");
    }
    EXPECT_EQ(r.History.Notes, "");
    EXPECT_EQ(r.PlcIndex, 77);
    for (int i = 0; i <= 200; ++i)
        EXPECT_EQ(r.SpareTable[size_t(i)], 200 - i) << "SpareTable[" << i << "]";
}
