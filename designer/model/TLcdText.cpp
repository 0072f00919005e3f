#include "TLcdText.h"

#include "GbkCodec.h"
#include "JsonFields.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

#include <algorithm>

namespace {

// The text without its last character (two bytes for a Chinese one).
QByteArray dropLastChar(const QByteArray& text)
{
    qsizetype last = 0;
    for (qsizetype i = 0; i < text.size();) {
        last = i;
        i += GbkCodec::isLeadByte(uchar(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    return text.left(last);
}

} // namespace

TLcdText::TLcdText(const TObjectContext& context) : TLcdText(413, context)
{
    Text = context.staticTextDefault;
    UpdateStaticSize();
}

TLcdText::TLcdText(int typeCode, const TObjectContext& context) : TLCDBlockObj(typeCode, context) {}

void TLcdText::Assign(const TLCDBlockObj& source)
{
    TLCDBlockObj::Assign(source);
    if (const auto* s = dynamic_cast<const TLcdText*>(&source)) {
        Text = s->Text;
        DoubleSize = s->DoubleSize;
        Reverse = s->Reverse;
        UseWinFont = s->UseWinFont;
        Font = s->Font;
    }
}

void TLcdText::SaveToStream(TBinaryWriter& out)
{
    TLCDBlockObj::SaveToStream(out);
    out.fixed(ReservedBlock, ReservedBlockSize);
    out.string(Text);
    out.boolean(DoubleSize);
    out.boolean(Reverse);
    out.i32(SpareInt);
    out.boolean(UseWinFont);
    Font.write(out);
}

void TLcdText::LoadFromStream(TBinaryReader& in)
{
    TLCDBlockObj::LoadFromStream(in);
    ReservedBlock = in.bytes(ReservedBlockSize, "ReservedBlock");
    Text = in.string("Text");
    DoubleSize = in.boolean("DoubleSize");
    Reverse = in.boolean("Reverse");
    SpareInt = in.i32("SpareInt");
    // Records before 1.4 had no Windows font.
    if (RecordVersion >= 1.4) {
        UseWinFont = in.boolean("UseWinFont");
        Font = TFontRecord::read(in);
    }
}

void TLcdText::WriteJson(QJsonObject& json) const
{
    TLCDBlockObj::WriteJson(json);
    json[QStringLiteral("ReservedBlock")] = QString::fromLatin1(ReservedBlock.toHex());
    json[QStringLiteral("Text")] = JsonFields::textValue(Text);
    json[QStringLiteral("DoubleSize")] = DoubleSize;
    json[QStringLiteral("Reverse")] = Reverse;
    json[QStringLiteral("SpareInt")] = SpareInt;
    json[QStringLiteral("UseWinFont")] = UseWinFont;
    json[QStringLiteral("Font")] = Font.toJson();
}

void TLcdText::ReadJson(const QJsonObject& json)
{
    TLCDBlockObj::ReadJson(json);
    const JsonFields r(json, {});
    r.readHex("ReservedBlock", ReservedBlock, ReservedBlockSize);
    r.readText("Text", Text);
    r.read("DoubleSize", DoubleSize);
    r.read("Reverse", Reverse);
    r.read("SpareInt", SpareInt);
    r.read("UseWinFont", UseWinFont);
    QJsonObject font;
    if (r.readObject("Font", font))
        Font.readJson(font, QStringLiteral("Font"));
}

void TLcdText::SetText(const QByteArray& text)
{
    PrevText = Text;
    Text = text;
}

void TLcdText::Fit()
{
    if (GrowsToText()) {
        const int scale = DoubleSize ? 2 : 1;
        Width = std::max<std::int32_t>(Width, 8 * scale * static_cast<std::int32_t>(Text.size()));
        Height = std::max(Height, 16 * scale);
    }
    if (LimitsToPanel()) {
        if (Width > PanelWidth) {
            Width = PanelWidth;
            Text = PrevText;
        }
        Height = std::min(Height, PanelHeight);
    }
    // ">=": an object that ends exactly at the edge stays where it is.
    if (std::int64_t(X) + Width >= PanelWidth)
        X = PanelWidth - Width;
    if (std::int64_t(Y) + Height >= PanelHeight)
        Y = PanelHeight - Height;
    X = std::max(X, 0);
}

TextExtent TLcdText::MeasureText(const QByteArray& text) const
{
    return TextMeasurer::current().Measure(text, DoubleSize, UseWinFont, Font, context_.language);
}

QByteArray TLcdText::FitTextToWidth(QByteArray text, int maxWidth, bool doubleSize) const
{
    const TextMeasurer& m = TextMeasurer::current();
    while (!text.isEmpty() &&
           m.Measure(text, doubleSize, UseWinFont, Font, context_.language).Width > maxWidth)
        text = dropLastChar(text);
    return text;
}

void TLcdText::UpdateStaticSize()
{
    const TextExtent e = MeasureText(Text);
    if (Text.isEmpty()) {
        Width = 2;
        Height = 16;
    } else {
        Width = e.Width;
        Height = e.Height;
    }
    Fit();
}

QByteArray TLcdText::SetTypedText(const QByteArray& text)
{
    const QByteArray fitted = FitTextToWidth(text, PanelWidth, DoubleSize);
    SetText(fitted);
    UpdateStaticSize();
    return fitted;
}
