#pragma once

#include "TLCDBlockObj.h"

// A bar graph (416): a PLC word shown as a filled bar between ZeroScale and FullScale.
class TLcdBZTU : public TLCDBlockObj
{
public:
    explicit TLcdBZTU(const TObjectContext& context);

    std::int32_t StationNo = 0;
    std::int32_t Addr1 = 0;
    std::int32_t Addr2 = 0; // 1: bound to a function block
    std::int32_t Addr3 = 0;
    std::int32_t RegCount = 1;
    std::int32_t AddrType = 0;
    std::uint8_t DataFormat = 0; // 0 unsigned decimal, 1 HEX/BCD, 2 signed decimal
    bool Signed = false;
    std::int32_t SpareW = 16;
    std::int32_t SpareH = 48;
    std::int64_t FullScale = 65535;
    std::int64_t ZeroScale = 0;
    std::int32_t Direction = 0; // 0 up, 1 down, 2 left, 3 right

    // The bar-graph copy: every field from StationNo through Direction.
    void Assign(const TLCDBlockObj& source) override;
    void SaveToStream(TBinaryWriter& out) override;
    void LoadFromStream(TBinaryReader& in) override;
    void WriteJson(QJsonObject& json) const override;
    void ReadJson(const QJsonObject& json) override;
    bool HasResizeHandles() const override { return true; }

    // Sets Direction; a vertical bar is made at least as high as wide (at
    // most 64) and a horizontal one at least as wide as high, by swapping
    // Width and Height; then the bar is pulled back inside the panel.
    void SetDirection(std::int32_t direction);
    bool IsVertical() const { return Direction == 0 || Direction == 1; }
};
