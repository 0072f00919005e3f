// The one reader of JSON fields: integers kept exactly, errors naming the path.

#include "JsonFields.h"

#include "EJsonField.h"

#include <QJsonDocument>
#include <gtest/gtest.h>
#include <limits>

namespace {

QJsonObject parse(const char* json)
{
    return QJsonDocument::fromJson(json).object();
}

// The message of reading "v" as an int64, or its value as text when it reads.
std::string int64Of(const char* json)
{
    const QJsonObject o = parse(json);
    std::int64_t v = 0;
    try {
        JsonFields(o, QStringLiteral("Top")).read("v", v);
    } catch (const EJsonField& e) {
        return e.what();
    }
    return std::to_string(v);
}

TEST(JsonFields, IntegersAreExactOrNamedErrors)
{
    const struct
    {
        const char* json;
        const char* result;
    } cases[] = {
        {R"({"v": 9007199254740993})", "9007199254740993"}, // beyond double precision
        {R"({"v": -9223372036854775808})", "-9223372036854775808"},
        {R"({"v": 9223372036854775808})", "Top.v: 9223372036854776000 is outside"},
        {R"({"v": 2.5})", "Top.v: 2.5 is not a whole number"},
        {R"({"v": "7"})", "Top.v: expected a whole number, found a text"},
        {R"({"v": null})", "Top.v: expected a whole number, found null"},
        {R"({})", "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(int64Of(c.json).rfind(c.result, 0), 0u) << c.json << " gave " << int64Of(c.json);

    std::uint8_t byte = 0;
    const QJsonObject o = parse(R"({"b": 256})");
    EXPECT_THROW(JsonFields(o, {}).read("b", byte), EReadError);
}

TEST(JsonFields, UnknownFieldsAreRefusedOnlyWhenAsked)
{
    const QJsonObject o = parse(R"({"Known": 1, "Stray": 2})");
    const JsonFields fields(o, QStringLiteral("List[3]"));
    std::int32_t known = 0;
    fields.read("Known", known);
    fields.take("Missing");
    try {
        fields.rejectUnknown();
        ADD_FAILURE() << "no error";
    } catch (const EJsonField& e) {
        EXPECT_EQ(e.path(), QStringLiteral("List[3].Stray"));
        EXPECT_STREQ(e.what(), "List[3].Stray: no such field");
    }
    fields.take("Stray");
    EXPECT_NO_THROW(fields.rejectUnknown());
}

} // namespace
