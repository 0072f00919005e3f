#include "ObjectTestSupport.h"
#include "TLcdDText.h"
#include "TLcdText.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

TEST(Json, EveryTypeRoundTripsToTheSameRecord)
{
    for (int code : objectTypeCodes()) {
        auto object = fixtureObject(code);
        object->SpareWord = 99;
        QJsonObject json;
        object->WriteJson(json);
        // Through text, as zd740 writes and reads it.
        const QJsonObject reread = QJsonDocument::fromJson(QJsonDocument(json).toJson()).object();
        auto back = objectFromJson(reread);
        EXPECT_EQ(recordOf(*back), recordOf(*object)) << code;
    }
}

TEST(Json, FieldsAreNamedAndTextsAreUtf8)
{
    auto object = fixtureObject(414);
    QJsonObject json;
    object->WriteJson(json);
    EXPECT_EQ(json.value("Text").toString(), QStringLiteral("停止"));
    EXPECT_EQ(json.value("Font").toObject().value("Name").toString(), QStringLiteral("SimSun"));
    EXPECT_EQ(json.value("ReservedBlock").toString(), QString(200, u'f'));
    const QJsonArray states = json.value("States").toArray();
    ASSERT_EQ(states.size(), 32);
    EXPECT_EQ(states[1].toObject().value("ValueText").toString(), QStringLiteral("1F"));
    EXPECT_EQ(states[1].toObject().value("Caption").toString(), QStringLiteral("Run"));
    for (const char* key : {"TypeCode", "X", "Y", "Width", "Height", "ObjectId", "RecordVersion", "SpareWord",
                            "DoubleSize", "Reverse", "SpareInt", "UseWinFont", "StationNo", "AddrType",
                            "Addr1", "Addr2", "Addr3", "HexValues"})
        EXPECT_TRUE(json.contains(QLatin1String(key))) << key;
}

TEST(Json, MissingFieldsKeepTheDefaults)
{
    for (int code : objectTypeCodes()) {
        auto fresh = CreateObject(code, contextFor(0));
        auto read = CreateObject(code, contextFor(0));
        read->ReadJson(QJsonObject{{"TypeCode", code}, {"ObjectId", QString::fromLatin1(fresh->ObjectId)}});
        EXPECT_EQ(recordOf(*read), recordOf(*fresh)) << code;
    }
}

TEST(Json, StatesListedReplaceOnlyTheirEntries)
{
    auto object =
        objectFromJson(jsonOf(R"({"TypeCode":414,"States":[{"Caption":"zero"},{"ValueText":"2"}]})"));
    auto& state = dynamic_cast<TLcdDText&>(*object);
    EXPECT_EQ(state.States[0].ValueText, "1");
    EXPECT_EQ(state.States[0].Caption, "zero");
    EXPECT_EQ(state.States[1].ValueText, "2");
    EXPECT_EQ(state.States[1].Caption, "");
}

TEST(Json, WrongKindsOfValuesNameTheField)
{
    const struct
    {
        const char* json;
        const char* field;
    } cases[] = {
        {R"({"TypeCode":413,"X":"ten"})", "X"},
        {R"({"TypeCode":413,"X":1.5})", "X"},
        {R"({"TypeCode":413,"X":4294967296})", "X"},
        {R"({"TypeCode":413,"Reverse":1})", "Reverse"},
        {R"({"TypeCode":413,"Text":"😀"})", "Text"},
        {R"({"TypeCode":413,"ReservedBlock":"ff"})", "ReservedBlock"},
        {R"({"TypeCode":413,"Font":{"Name":5}})", "Font.Name"},
        {R"({"TypeCode":413,"Font":{"Name":"0123456789012345678901234567890"}})", "Font.Name"},
        {R"({"TypeCode":413,"Font":[]})", "Font"},
        {R"({"TypeCode":414,"StationNo":256})", "StationNo"},
        {R"({"TypeCode":414,"States":[{"Caption":"a"},{"Caption":7}]})", "States[1].Caption"},
        {R"({"TypeCode":414,"States":{}})", "States"},
        {R"({"TypeCode":415,"UnitTexts":["a","b","c","d"]})", "UnitTexts"},
        {R"({"TypeCode":415,"InputMax":"big"})", "InputMax"},
        {R"({"TypeCode":412,"SpareInts":[1,2,true]})", "SpareInts[2]"},
        {R"({"TypeCode":418,"Picture":"not base64!"})", "Picture"},
        {R"({"TypeCode":418,"Picture":"AAAA"})", "Picture"},
        {R"({"TypeCode":420,"Flags":[1,2,300]})", "Flags[2]"},
        {R"({"TypeCode":421,"WeekMode":"yes"})", "WeekMode"},
        {R"({"TypeCode":413,"RecordVersion":"1.5"})", "RecordVersion"},
    };
    for (const auto& c : cases) {
        const QJsonObject json = jsonOf(c.json);
        auto object = CreateObject(json.value("TypeCode").toInt(), contextFor(0));
        try {
            object->ReadJson(json);
            ADD_FAILURE() << c.json << ": no error";
        } catch (const EReadError& e) {
            EXPECT_NE(std::string(e.what()).find(c.field), std::string::npos) << c.json << ": " << e.what();
        }
    }
    TLcdText text(contextFor(0));
    EXPECT_THROW(text.ReadJson(QJsonObject{{"TypeCode", 414}}), EReadError);
}

TEST(Json, BitmapWithoutSizeTakesThePicturesSize)
{
    auto object = fixtureObject(418);
    QJsonObject json;
    object->WriteJson(json);
    json.remove("Width");
    json.remove("Height");
    auto back = objectFromJson(json);
    EXPECT_EQ(back->Width, 9);
    EXPECT_EQ(back->Height, 3);
}

} // namespace
