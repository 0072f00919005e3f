#pragma once

#include "TLCDBlockObj.h"

#include <QPoint>
#include <vector>

// A trend chart (417): the history of a PLC word as a line of DotCount points.
class Tlcdqushitu : public TLCDBlockObj
{
public:
    explicit Tlcdqushitu(const TObjectContext& context);

    // Run-time samples of the simulator: the values read and the points drawn.
    std::int32_t SampleCount = 0;
    std::vector<std::int64_t> SampleValues;
    std::vector<QPoint> SamplePoints;

    std::int32_t StationNo = 0;
    std::int32_t Addr1 = 0;
    std::int32_t Addr2 = 0;
    std::int32_t Addr3 = 0;
    std::int32_t RegCount = 1;
    std::int32_t AddrType = 0;
    std::int32_t DataFormat = 0;
    bool Signed = false;
    std::int64_t FullScale = 65535;
    std::int64_t ZeroScale = 0;
    std::int32_t DotCount = 20;      // never more than Width - 4
    std::int32_t SampleInterval = 5; // seconds

    void Assign(const TLCDBlockObj& source) override;
    void SaveToStream(TBinaryWriter& out) override;
    void LoadFromStream(TBinaryReader& in) override;
    void WriteJson(QJsonObject& json) const override;
    void ReadJson(const QJsonObject& json) override;
    bool HasResizeHandles() const override { return true; }

    // Lowers DotCount to Width - 4 when the chart has become too narrow.
    void LimitDotCount();

protected:
    void WidthChanged() override { LimitDotCount(); }
};
