#pragma once

#include <QByteArray>
#include <cstdint>

class TBinaryReader;
class TBinaryWriter;

// One alarm of the alarm list, or one bit-triggered screen jump (the jump
// list reuses the alarm layout). Stored as a record of its own in the
// project file.
struct TParameterALM
{
    std::int32_t AlarmRow = 0; // the row number the filling dialog gave it
    std::uint8_t AlarmStation = 0;
    std::int32_t AlarmAddr1 = 0;
    std::int32_t AlarmAddr2 = 0;
    std::int32_t AlarmAddr3 = 0;
    std::int32_t AlarmAddrType = 0; // index in devroll's alarm address types (kind 419)
    QByteArray AlarmText;           // GBK
    std::uint8_t AlarmFlag = 0;

    // The shortest record a file can hold: the fixed fields and an empty text.
    static constexpr int MinRecordBytes = 4 + 1 + 4 * 4 + 1 + 3;

    void SaveToStream(TBinaryWriter& out) const;
    void LoadFromStream(TBinaryReader& in);

    friend bool operator==(const TParameterALM&, const TParameterALM&) = default;
};
