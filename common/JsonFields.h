#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QSet>
#include <QString>
#include <cstdint>
#include <optional>

// Reads the fields of one JSON object into members: display objects, project
// files and catalogue models all read their JSON through it. A field that is
// missing leaves its member as it was; a field of the wrong kind (text for a
// number, a fraction for an integer, a number out of range, a text GBK cannot
// hold) raises EJsonField naming the field by its path. Texts are UTF-8 in
// JSON and GBK in the model.
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
    // Hexadecimal byte pairs: exactly size bytes, or any number when size is -1.
    void readHex(const char* key, QByteArray& value, qsizetype size) const;
    // Base64 bytes.
    void readBase64(const char* key, QByteArray& value) const;
    // An array of at most maxCount elements; false when the key is missing.
    bool readArray(const char* key, QJsonArray& value, qsizetype maxCount) const;
    // A nested object; false when the key is missing.
    bool readObject(const char* key, QJsonObject& value) const;

    bool contains(const char* key) const { return json_.contains(QLatin1String(key)); }
    // The value of a field, nullopt when it is missing. Every read takes its
    // field, so rejectUnknown() knows which fields were asked for.
    std::optional<QJsonValue> take(const char* key) const;
    // For readers that refuse what they do not know: raises EJsonField for
    // the first field nothing took.
    void rejectUnknown() const;

    // The path of a field below this object, for nested readers and messages.
    QString pathOf(const QString& key) const { return inside(path_, key); }
    QString pathOf(const char* key) const { return inside(path_, QLatin1String(key)); }
    static QString inside(const QString& path, const QString& key);
    static QString at(const QString& path, qsizetype index);

    // Conversions of single values, for array elements and callers' own kinds.
    static std::int64_t toInteger(const QJsonValue& v, const QString& path, std::int64_t min,
                                  std::int64_t max);
    static double toNumber(const QJsonValue& v, const QString& path);
    static bool toBool(const QJsonValue& v, const QString& path);
    static QByteArray toText(const QJsonValue& v, const QString& path);
    static QByteArray toHex(const QJsonValue& v, const QString& path, qsizetype size);
    static QByteArray toBase64(const QJsonValue& v, const QString& path);
    static QJsonArray toArray(const QJsonValue& v, const QString& path, qsizetype maxCount);
    static QJsonObject toObject(const QJsonValue& v, const QString& path);

    // "a number", "a text", ... for messages.
    static QString kindOf(const QJsonValue& v);

    // The JSON form of a GBK text.
    static QJsonValue textValue(const QByteArray& gbk);

    [[noreturn]] static void fail(const QString& path, const QString& what);

private:
    const QJsonObject& json_;
    QString path_;
    // Bookkeeping of take(); reading does not change what is read.
    mutable QSet<QString> taken_;
};
