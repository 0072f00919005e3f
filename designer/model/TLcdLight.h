#pragma once

#include "TLCDBlockObj.h"

#include <QImage>
#include <QString>

// An indicator lamp (411) bound to a PLC bit.
class TLcdLight : public TLCDBlockObj
{
public:
    explicit TLcdLight(const TObjectContext& context);

    QImage Glyph;           // the lamp picture, from the picture source
    bool LiveState = false; // the bit's value while simulating
    std::int32_t StationNo = 0;
    std::int32_t Addr1 = 0;
    std::int32_t Addr2 = 0;
    std::int32_t Addr3 = 0;
    std::int32_t AddrType = 0;
    bool DoubleSize = false;
    std::uint8_t Shape = 0; // 0 round, 1 square
    std::uint8_t Logic = 0; // 0 positive, 1 negative

    void Assign(const TLCDBlockObj& source) override;
    void SaveToStream(TBinaryWriter& out) override;
    void LoadFromStream(TBinaryReader& in) override;
    void WriteJson(QJsonObject& json) const override;
    void ReadJson(const QJsonObject& json) override;

    // Whether the lamp shows lit: in the editor with positive logic; while
    // simulating when the bit's state, read through the logic, is on.
    bool IsLit() const;
    // "mlihgt" + "1" square / "0" round + "1" lit / "0" unlit.
    QString PictureName() const;
    // Glyph from the picture source (null without one).
    void RefreshGlyph();
    // 16 x 16, or 32 x 32 with double size; then the picture is reloaded.
    void Refit();
};
