#include "TLcdDText.h"

#include "Devroll.h"
#include "EConvertError.h"
#include "GbkCodec.h"
#include "JsonFields.h"
#include "NumberText.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

#include <QJsonArray>
#include <algorithm>
#include <optional>

namespace {

std::optional<std::int32_t> stateValue(const QByteArray& valueText, bool hex)
{
    const QString text = QString::fromLatin1(valueText).trimmed();
    if (hex)
        return HexToInt(text);
    try {
        return ParseNumber(0, text);
    } catch (const EConvertError&) {
        return std::nullopt; // a value text that is no number selects nothing
    }
}

} // namespace

TLcdDText::TLcdDText(const TObjectContext& context) : TLcdText(414, context)
{
    StationNo = static_cast<std::uint8_t>(Devroll::block_GetPlcAddress(context.plcCode));
    const Devroll::AddressParts a = Devroll::numericDefaultAddress(context.plcCode, 414, AddrType);
    Addr1 = a[0];
    Addr2 = a[1];
    Addr3 = a[2];
    States[0] = {"1", context.dynamicTextDefault};
    Text = States[0].Caption;
    UpdateCaptionSize();
}

void TLcdDText::Assign(const TLCDBlockObj& source)
{
    TLcdText::Assign(source);
    if (const auto* s = dynamic_cast<const TLcdDText*>(&source)) {
        StationNo = s->StationNo;
        AddrType = s->AddrType;
        Addr1 = s->Addr1;
        Addr2 = s->Addr2;
        Addr3 = s->Addr3;
        HexValues = s->HexValues;
        States = s->States;
    }
}

void TLcdDText::SaveToStream(TBinaryWriter& out)
{
    TLcdText::SaveToStream(out);
    out.u8(StationNo);
    out.i32(AddrType);
    out.i32(Addr1);
    out.i32(Addr2);
    out.i32(Addr3);
    out.u8(HexValues);
    for (const State& s : States) {
        out.string(s.ValueText);
        out.string(s.Caption);
    }
}

void TLcdDText::LoadFromStream(TBinaryReader& in)
{
    TLcdText::LoadFromStream(in);
    if (RecordVersion >= 1.3) {
        StationNo = in.u8("StationNo");
        AddrType = in.i32("AddrType");
        Addr1 = in.i32("Addr1");
        Addr2 = in.i32("Addr2");
        Addr3 = in.i32("Addr3");
        HexValues = in.u8("HexValues");
    } else {
        // Older records kept the binding as one packed 16-byte block.
        StationNo = in.u8("StationNo");
        in.skip(3, "StationNo");
        AddrType = in.i32("AddrType");
        Addr1 = in.u16("Addr1");
        Addr2 = in.u16("Addr2");
        Addr3 = in.u16("Addr3");
        HexValues = in.u8("HexValues");
        in.skip(1, "HexValues");
    }
    for (State& s : States) {
        s.ValueText = in.string("States.ValueText");
        s.Caption = in.string("States.Caption");
    }
}

void TLcdDText::WriteJson(QJsonObject& json) const
{
    TLcdText::WriteJson(json);
    json[QStringLiteral("StationNo")] = StationNo;
    json[QStringLiteral("AddrType")] = AddrType;
    json[QStringLiteral("Addr1")] = Addr1;
    json[QStringLiteral("Addr2")] = Addr2;
    json[QStringLiteral("Addr3")] = Addr3;
    json[QStringLiteral("HexValues")] = HexValues;
    QJsonArray states;
    for (const State& s : States)
        states.append(QJsonObject{{QStringLiteral("ValueText"), JsonFields::textValue(s.ValueText)},
                                  {QStringLiteral("Caption"), JsonFields::textValue(s.Caption)}});
    json[QStringLiteral("States")] = states;
}

void TLcdDText::ReadJson(const QJsonObject& json)
{
    TLcdText::ReadJson(json);
    const JsonFields r(json, {});
    r.read("StationNo", StationNo);
    r.read("AddrType", AddrType);
    r.read("Addr1", Addr1);
    r.read("Addr2", Addr2);
    r.read("Addr3", Addr3);
    r.read("HexValues", HexValues);
    QJsonArray states;
    if (r.readArray("States", states, StateCount)) {
        for (qsizetype i = 0; i < states.size(); ++i) {
            const QString path = JsonFields::at(QStringLiteral("States"), i);
            const QJsonObject entry = JsonFields::toObject(states[i], path);
            const JsonFields e(entry, path);
            e.readText("ValueText", States[i].ValueText);
            e.readText("Caption", States[i].Caption);
        }
    }
}

QByteArray TLcdDText::SetCaption(int index, const QByteArray& caption)
{
    if (index < 0 || index >= StateCount)
        return caption;
    State& state = States[index];
    if (state.Caption == caption)
        return caption;
    state.Caption = FitTextToWidth(caption, DoubleSize ? PanelWidth / 2 : PanelWidth, false);
    UpdateCaptionSize();
    return state.Caption;
}

void TLcdDText::SetDoubleSize(bool doubleSize)
{
    DoubleSize = doubleSize;
    for (State& s : States)
        s.Caption = FitTextToWidth(s.Caption, DoubleSize ? PanelWidth / 2 : PanelWidth, false);
    UpdateCaptionSize();
}

void TLcdDText::UpdateCaptionSize()
{
    const TextMeasurer& m = TextMeasurer::current();
    int width = 8;
    int height = 16;
    for (const State& s : States) {
        const TextExtent e = m.Measure(s.Caption, false, UseWinFont, Font, context_.language);
        width = std::max(width, e.Width);
        height = std::max(height, e.Height);
    }
    const int scale = DoubleSize ? 2 : 1;
    Width = width * scale;
    Height = height * scale;
    RefreshShownText();
    Fit();
}

QByteArray TLcdDText::ShownCaption() const
{
    const auto notBlank = [](const State& s) {
        return !s.Caption.trimmed().isEmpty();
    };
    const auto notEmpty = [](const State& s) {
        return !s.Caption.isEmpty();
    };
    if (auto it = std::find_if(States.begin(), States.end(), notBlank); it != States.end())
        return it->Caption;
    if (auto it = std::find_if(States.begin(), States.end(), notEmpty); it != States.end())
        return it->Caption;
    return QByteArrayLiteral("D");
}

void TLcdDText::RefreshShownText()
{
    Text = ShownCaption();
}

void TLcdDText::SelectState(std::int32_t value)
{
    CurrentValue = value;
    CurrentCaption.clear();
    for (const State& s : States) {
        if (s.ValueText.isEmpty())
            continue;
        if (stateValue(s.ValueText, HexValues == 1) == value)
            CurrentCaption = s.Caption;
    }
}
