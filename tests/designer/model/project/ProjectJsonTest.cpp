// The JSON form of a project: exact round trips, defaults and errors.

#include "ProjectJson.h"

#include "EReadError.h"
#include "ProjectFile.h"
#include "ProjectFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

QJsonObject parse(const char* json)
{
    return QJsonDocument::fromJson(json).object();
}

QString errorOf(const char* json)
{
    try {
        ProjectJson::fromJson(parse(json));
    } catch (const EReadError& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

TEST(ProjectJson, TheJsonFormGivesBackTheSameFile)
{
    auto project = FullProject();
    project->FindScreen(2)->Description = QByteArray::fromHex("b0a1ff00"); // not clean GBK
    const QByteArray prefix = QByteArray::fromHex("022c1e0a02000000");
    const QByteArray bytes = ProjectFile::encode(*project, prefix);

    const ProjectFile::Result opened = ProjectFile::parse(bytes, QStringLiteral("p.lzd"));
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    const QJsonObject json = ProjectJson::toJson(*opened.project, opened.prefix);
    // Through text, as zd740 info --json and create pass it.
    const QJsonObject reread = QJsonDocument::fromJson(QJsonDocument(json).toJson()).object();
    ProjectJson::Made made = ProjectJson::fromJson(reread);
    EXPECT_EQ(made.prefix, prefix);
    EXPECT_EQ(ProjectFile::encode(*made.project, made.prefix), bytes);

    const QJsonObject first = json[u"Screens"].toArray()[0].toObject();
    EXPECT_EQ(first[u"Description"].toString(), QStringLiteral("主画面"));
    EXPECT_EQ(first[u"Objects"].toArray()[0].toObject()[u"TypeCode"].toInt(), 411);
    EXPECT_EQ(json[u"Screens"].toArray()[1].toObject()[u"Description"].toObject()[u"Hex"].toString(),
              QStringLiteral("b0a1ff00"));
    EXPECT_EQ(json[u"Alarms"].toArray()[0].toObject()[u"AlarmText"].toString(), QStringLiteral("温度过高"));
    EXPECT_EQ(json[u"Link"].toObject()[u"Spare8"].toString(), QStringLiteral("0102030405060708090a"));
    EXPECT_EQ(json[u"FilePrefix"].toObject()[u"Language"].toInt(), 2);
}

TEST(ProjectJson, MissingFieldsTakeTheDefaultsOfThePlcModel)
{
    ProjectJson::Made made = ProjectJson::fromJson(parse(R"({"PlcCode": 3, "Screens": [{"ScreenNo": 4}]})"));
    TProgramObj expected;
    expected.ApplyPlcDefaults(3);
    const TProgramObj& p = *made.project;
    EXPECT_EQ(p.PlcCode, 3);
    EXPECT_EQ(p.WaitTime, 100);
    EXPECT_EQ(p.JumpStation, expected.JumpStation);
    EXPECT_EQ(p.JumpAddr1, expected.JumpAddr1);
    EXPECT_EQ(p.Link, expected.Link);
    EXPECT_EQ(p.SaverWait, 3);
    ASSERT_EQ(p.ScreenCount(), 1);
    EXPECT_EQ(p.FirstScreen()->Properties(), (Tpageobjpty{{}, 4, 0, 2}));
    EXPECT_EQ(made.prefix, ProjectFile::makePrefix(1));

    made = ProjectJson::fromJson(parse(R"({"Screens": [{"Objects": [{"TypeCode": 415, "X": 20}]}]})"));
    const TLCDBlockObj& reg = *made.project->FirstScreen()->Objects.at(0);
    EXPECT_EQ(reg.TypeCode, 415);
    EXPECT_EQ(reg.X, 20);
}

TEST(ProjectJson, ErrorsNameTheField)
{
    struct Case
    {
        const char* json;
        const char* error;
    };
    const Case cases[] = {
        {R"({"PlcCode": "3"})", "PlcCode: expected a whole number, found a text"},
        {R"({"SaverWait": 256})", "SaverWait: 256 is outside 0 to 255"},
        {R"({"InitialScreen": 1.5})", "InitialScreen: 1.5 is not a whole number"},
        {R"({"ReservedBlock": "ff"})", "ReservedBlock: holds 1 bytes instead of 100"},
        {R"({"Link": {"Spare0": "zz000000"}})", "Link.Spare0: \"zz000000\" is not a run of hex byte pairs"},
        {R"({"Alarms": [{"AlarmText": "\u20ac\u0e01"}]})", "Alarms[0].AlarmText: GBK cannot hold"},
        {R"({"Jumps": [{"JumpValue": 1, "Target": 2}]})", "Jumps[0].Target: no such field"},
        {R"({"Screen": []})", "Screen: no such field"},
        {R"({"Screens": [{"ScreenNo": 2}, {"ScreenNo": 2}]})",
         "Screens[1].ScreenNo: screen number 2 appears twice"},
        {R"({"Screens": [{"Objects": [{"X": 1}]}]})", "Screens[0].Objects[0].TypeCode: missing"},
        {R"({"Screens": [{"Objects": [{"TypeCode": 419}]}]})",
         "Screens[0].Objects[0].TypeCode: 419 makes no display object"},
        {R"({"Screens": [{"Objects": [{"TypeCode": 411, "X": "left"}]}]})", "Screens[0].Objects[0]: "},
        {R"({"Screens": [{"Objects": [7]}]})", "Screens[0].Objects[0]: expected an object, found a number"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(errorOf(c.json).contains(QLatin1String(c.error)))
            << c.json << " gave " << errorOf(c.json).toStdString();
}

} // namespace
