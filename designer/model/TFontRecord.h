#pragma once

#include <QByteArray>
#include <QFont>
#include <QJsonObject>
#include <cstdint>

class TBinaryReader;
class TBinaryWriter;

// The Windows font of a text object as the project file keeps it: a 52-byte
// record of charset, colour, height, face name, pitch, size and style. The
// fields are kept exactly as read so that a font survives load and save
// unchanged even where this platform cannot show it.
struct TFontRecord
{
    static constexpr int RecordSize = 52;
    static constexpr int MaxNameLength = 30;

    enum StyleBit : std::uint8_t
    {
        Bold = 1,
        Italic = 2,
        Underline = 4,
        StrikeOut = 8,
    };

    std::uint8_t Charset = 1;   // the default character set
    std::int32_t Color = 0;     // Windows RGB value (0x00BBGGRR)
    std::int32_t Height = -13;  // pixels; negative: character height, as Windows fonts take it
    QByteArray Name = "SimSun"; // GBK, at most 30 bytes
    std::uint8_t Pitch = 0;     // 0 default, 1 variable, 2 fixed
    std::int32_t Size = 10;     // points
    std::uint8_t Style = 0;     // StyleBit set

    void write(TBinaryWriter& out) const;
    // Reads the 52 bytes; a name length above 30 (a damaged record) is cut to 30.
    static TFontRecord read(TBinaryReader& in);

    QJsonObject toJson() const;
    // Fields missing from json keep their values; path names the object in errors.
    void readJson(const QJsonObject& json, const QString& path);

    // The Qt font with the same face, size and style.
    QFont toQFont() const;
    // Takes face, size and style from a Qt font; charset, colour and pitch stay.
    void setFromQFont(const QFont& font);

    friend bool operator==(const TFontRecord&, const TFontRecord&) = default;
};
