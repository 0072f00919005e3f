#include "TFontRecord.h"

#include "GbkCodec.h"
#include "JsonFields.h"
#include "Rounding.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

#include <algorithm>
#include <cmath>

// Offsets inside the record: 0 charset, 1..3 pad, 4 colour, 8 height, 12 name
// (length byte and 30 characters), 43 pitch, 44 size, 48 style, 49..51 pad.
void TFontRecord::write(TBinaryWriter& out) const
{
    const QByteArray name = GbkCodec::cutToBytes(Name, MaxNameLength);
    out.u8(Charset);
    out.zeros(3);
    out.i32(Color);
    out.i32(Height);
    out.u8(static_cast<std::uint8_t>(name.size()));
    out.fixed(name, MaxNameLength);
    out.u8(Pitch);
    out.i32(Size);
    out.u8(Style);
    out.zeros(3);
}

TFontRecord TFontRecord::read(TBinaryReader& in)
{
    TFontRecord f;
    f.Charset = in.u8("Font.Charset");
    in.skip(3, "Font");
    f.Color = in.i32("Font.Color");
    f.Height = in.i32("Font.Height");
    const int length = std::min<int>(in.u8("Font.Name"), MaxNameLength);
    const QByteArray name = in.bytes(MaxNameLength, "Font.Name");
    f.Name = name.left(length);
    f.Pitch = in.u8("Font.Pitch");
    f.Size = in.i32("Font.Size");
    f.Style = in.u8("Font.Style");
    in.skip(3, "Font");
    return f;
}

QJsonObject TFontRecord::toJson() const
{
    QJsonObject json;
    json[QStringLiteral("Charset")] = Charset;
    json[QStringLiteral("Color")] = Color;
    json[QStringLiteral("Height")] = Height;
    json[QStringLiteral("Name")] = JsonFields::textValue(Name);
    json[QStringLiteral("Pitch")] = Pitch;
    json[QStringLiteral("Size")] = Size;
    json[QStringLiteral("Style")] = Style;
    return json;
}

void TFontRecord::readJson(const QJsonObject& json, const QString& path)
{
    const JsonFields r(json, path);
    r.read("Charset", Charset);
    r.read("Color", Color);
    r.read("Height", Height);
    r.readText("Name", Name);
    if (Name.size() > MaxNameLength)
        JsonFields::fail(r.pathOf("Name"),
                         QStringLiteral("a font name takes at most %1 bytes").arg(MaxNameLength));
    r.read("Pitch", Pitch);
    r.read("Size", Size);
    r.read("Style", Style);
}

QFont TFontRecord::toQFont() const
{
    QFont font(GbkCodec::toUnicode(Name));
    // Sizes from a damaged file are kept in a range a font can have.
    if (Size > 0)
        font.setPointSize(std::min(Size, 1000));
    else if (Height != 0)
        font.setPixelSize(int(std::min<std::int64_t>(std::abs(std::int64_t(Height)), 1000)));
    font.setBold(Style & Bold);
    font.setItalic(Style & Italic);
    font.setUnderline(Style & Underline);
    font.setStrikeOut(Style & StrikeOut);
    if (Pitch == 2)
        font.setFixedPitch(true);
    return font;
}

void TFontRecord::setFromQFont(const QFont& font)
{
    Name = GbkCodec::cutToBytes(GbkCodec::fromUnicode(font.family()), MaxNameLength);
    if (font.pointSize() > 0) {
        Size = font.pointSize();
        // Windows fonts take their height in pixels of a 96 dpi screen.
        Height = -RoundInt(Size * 96.0 / 72.0);
    }
    Style =
        static_cast<std::uint8_t>((font.bold() ? Bold : 0) | (font.italic() ? Italic : 0) |
                                  (font.underline() ? Underline : 0) | (font.strikeOut() ? StrikeOut : 0));
}
