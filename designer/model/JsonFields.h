#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <cstdint>

// Reads the fields of one JSON object into an object's members. A field that
// is missing leaves its member as it was; a field of the wrong kind (text for
// a number, a fraction for an integer, a number out of range, a text GBK
// cannot hold) raises EReadError naming the field by its path. Texts are
// UTF-8 in JSON and GBK in the model.
class JsonFields
{
public:
    JsonFields(const QJsonObject& json, QString path) : json_(json), path_(std::move(path)) {}

    void read(const char* key, std::int32_t& value) const;
    void read(const char* key, std::int64_t& value) const;
    void read(const char* key, std::uint8_t& value) const;
    void read(const char* key, bool& value) const;
    void read(const char* key, double& value) const;
    void readText(const char* key, QByteArray& value) const;
    // A hexadecimal text of exactly size bytes.
    void readHex(const char* key, QByteArray& value, qsizetype size) const;
    // Base64 bytes.
    void readBase64(const char* key, QByteArray& value) const;
    // An array of at most maxCount elements; false when the key is missing.
    bool readArray(const char* key, QJsonArray& value, qsizetype maxCount) const;
    // A nested object; false when the key is missing.
    bool readObject(const char* key, QJsonObject& value) const;

    bool contains(const char* key) const { return json_.contains(QLatin1String(key)); }
    // The path of a field below this object, for nested readers and messages.
    QString pathOf(const QString& key) const;

    // Conversions of single values, for array elements.
    static std::int64_t toInteger(const QJsonValue& v, const QString& path, std::int64_t min,
                                  std::int64_t max);
    static QByteArray toText(const QJsonValue& v, const QString& path);
    static QJsonObject toObject(const QJsonValue& v, const QString& path);

    // The JSON form of a GBK text.
    static QJsonValue textValue(const QByteArray& gbk);

    [[noreturn]] static void fail(const QString& path, const QString& what);

private:
    QJsonValue value(const char* key) const { return json_.value(QLatin1String(key)); }

    const QJsonObject& json_;
    QString path_;
};
