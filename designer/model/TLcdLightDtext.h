#pragma once

#include "TLcdText.h"

#include <array>

// A message display (420): an ON caption and an OFF caption chosen by a PLC bit.
class TLcdLightDtext : public TLcdText
{
public:
    explicit TLcdLightDtext(const TObjectContext& context);

    QByteArray OnCaption = "ON ";
    QByteArray OffCaption = "OFF";
    std::int32_t StationNo = 0;
    std::int32_t Addr1 = 0;
    std::int32_t Addr2 = 0;
    std::int32_t Addr3 = 0;
    std::int32_t AddrType = 0;
    std::array<std::uint8_t, 3> Flags{};

    void Assign(const TLCDBlockObj& source) override;
    void SaveToStream(TBinaryWriter& out) override;
    void LoadFromStream(TBinaryReader& in) override;
    void WriteJson(QJsonObject& json) const override;
    void ReadJson(const QJsonObject& json) override;

    // The text the editor shows: OffCaption when not blank, else OnCaption
    // when not blank; when both are blank the captions go back to "ON" and
    // "OFF" and the text is "ON/OFF". Text is set to it.
    QByteArray RefreshShownText();
};
