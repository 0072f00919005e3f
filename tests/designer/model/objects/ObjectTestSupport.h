#pragma once

// Helpers shared by the display object tests: contexts, records in and out,
// and JSON fixtures with values away from every default.

#include "EReadError.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"
#include "TLCDBlockObj.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <memory>

inline TObjectContext contextFor(int plcCode)
{
    TObjectContext c;
    c.plcCode = plcCode;
    return c;
}

inline QByteArray recordOf(TLCDBlockObj& object)
{
    TBinaryWriter out;
    object.SaveToStream(out);
    return out.data();
}

// Loads an object record that starts at byte start of data; the reader's
// position after the load is returned through end.
inline std::unique_ptr<TLCDBlockObj> loadRecord(int typeCode, const QByteArray& data, qsizetype start = 0,
                                                qsizetype* end = nullptr)
{
    auto object = CreateObject(typeCode, contextFor(0));
    TBinaryReader in(data, QStringLiteral("test.lzd"));
    in.skip(start, "prefix");
    object->LoadFromStream(in);
    if (end)
        *end = in.pos();
    return object;
}

inline QJsonObject jsonOf(const char* text)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    return doc.object();
}

inline std::unique_ptr<TLCDBlockObj> objectFromJson(const QJsonObject& json)
{
    auto object = CreateObject(json.value(QLatin1String("TypeCode")).toInt(), contextFor(0));
    object->ReadJson(json);
    return object;
}

// One object of every type with every stored field away from its default
// (ReservedBlock, SpareInt and SpareWord excepted: Assign does not copy them).
inline const std::vector<QByteArray>& fixtureTexts()
{
    static const std::vector<QByteArray> fixtures = {
        R"({"TypeCode":413,"X":12,"Y":20,"Width":48,"Height":16,"Text":"运行 Run","DoubleSize":false,
            "Reverse":true,"UseWinFont":true,
            "Font":{"Charset":134,"Color":255,"Height":-16,"Name":"文泉驿 Sans","Pitch":2,"Size":12,"Style":5}})",
        R"({"TypeCode":414,"X":4,"Y":2,"Width":64,"Height":16,"Text":"停止","StationNo":7,"AddrType":2,
            "Addr1":300,"Addr2":4,"Addr3":5,"HexValues":1,"DoubleSize":true,
            "States":[{"ValueText":"0","Caption":"停止"},{"ValueText":"1F","Caption":"Run"},
                      {"ValueText":"","Caption":""},{"ValueText":"FF","Caption":"end"}]})",
        R"({"TypeCode":415,"X":30,"Y":40,"Width":48,"Height":16,"HasUnits":true,"Digits":7,"Decimals":2,
            "DataFormat":2,"Signed":true,"StationNo":3,"AddrType":1,"RegCount":2,"Addr1":100,"Addr2":1,
            "Addr3":2,"InputEnabled":true,"InputPassword":true,"LimitEnabled":true,"LimitOn":1,
            "InputMax":4294967295,"InputMin":-5,"EngMax":9000000000,"EngMin":-9000000000,
            "UnitTexts":["米","秒","h"]})",
        R"({"TypeCode":411,"X":100,"Y":10,"Width":32,"Height":32,"StationNo":9,"Addr1":11,"Addr2":12,
            "Addr3":13,"AddrType":3,"DoubleSize":true,"Shape":1,"Logic":1})",
        R"({"TypeCode":412,"X":60,"Y":30,"Width":64,"Height":32,"DoubleSize":true,"Reverse":true,
            "KeyIndex":7,"HandMark":true,"Invisible":false,"KeyPassword":true,"Action":2,"CoilStation":4,
            "CoilAddr1":21,"CoilAddr2":22,"CoilAddr3":23,"CoilAddrType":1,"CoilOp":3,"JumpToAlarmList":1,
            "JumpScreen":65535,"RegStation":5,"RegAddr1":31,"RegAddr2":32,"RegAddr3":33,"RegAddrType":2,
            "ValueFormat":1,"Value":-7,"SpareInts":[1,2,3,4,5]})",
        R"({"TypeCode":416,"X":150,"Y":10,"Width":40,"Height":20,"StationNo":6,"Addr1":41,"Addr2":1,
            "Addr3":43,"RegCount":2,"AddrType":1,"DataFormat":2,"Signed":true,"SpareW":20,"SpareH":40,
            "FullScale":100000,"ZeroScale":-100,"Direction":3})",
        R"({"TypeCode":417,"X":20,"Y":8,"Width":120,"Height":50,"StationNo":2,"Addr1":51,"Addr2":52,
            "Addr3":53,"RegCount":2,"AddrType":1,"DataFormat":1,"Signed":true,"FullScale":4000,
            "ZeroScale":-4000,"DotCount":50,"SampleInterval":10})",
        R"({"TypeCode":418,"X":3,"Y":5,"Width":20,"Height":10,
            "Picture":"Qk1KAAAAAAAAAD4AAAAoAAAACQAAAAMAAAABAAEAAAAAAAwAAAAAAAAAAAAAAAIAAAACAAAAAAAAAP///wD/gAAAVQAAAKqAAAA="})",
        R"({"TypeCode":420,"X":8,"Y":44,"Width":40,"Height":20,"Text":"开","UseWinFont":true,"StationNo":3,
            "Addr1":61,"Addr2":62,"Addr3":63,"AddrType":1,"Flags":[1,2,3],"OnCaption":"开","OffCaption":"关"})",
        R"({"TypeCode":421,"X":0,"Y":48,"Width":48,"Height":16,"TimeFormat":6,"WeekMode":false,"StationNo":4,
            "AddrType":2,"Addr1":71,"Addr2":72,"Addr3":73,"SpareByte":9,"InputEnabled":true,
            "InputPassword":true,"ClockBlock":true,"CharCount":6})",
    };
    return fixtures;
}

inline std::unique_ptr<TLCDBlockObj> fixtureObject(int typeCode)
{
    for (const QByteArray& text : fixtureTexts()) {
        QJsonObject json = jsonOf(text.constData());
        if (json.value(QLatin1String("TypeCode")).toInt() == typeCode)
            return objectFromJson(json);
    }
    ADD_FAILURE() << "no fixture for " << typeCode;
    return nullptr;
}

inline std::vector<int> objectTypeCodes()
{
    return {411, 412, 413, 414, 415, 416, 417, 418, 420, 421};
}
