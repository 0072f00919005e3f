#pragma once

#include <QByteArray>
#include <cstdint>

class TBinaryReader;
class TBinaryWriter;

// The serial settings of a project, stored as one 36-byte block. The spare
// bytes are kept exactly as read so that a project written back keeps them.
struct TLinkBlock
{
    static constexpr int Bytes = 36;

    QByteArray Spare0 = QByteArray(4, '\0'); // offset 0
    std::int32_t BaudRate = 9600;
    QByteArray Spare8 = QByteArray(10, '\0'); // offset 8
    std::uint8_t DataBits = 8;
    std::uint8_t Parity = 0; // index in the parity list of the new-project dialog
    std::uint8_t StopBits = 1;
    QByteArray Spare21 = QByteArray(11, '\0'); // offset 21
    std::int32_t LinkOption = 3;

    void SaveToStream(TBinaryWriter& out) const;
    void LoadFromStream(TBinaryReader& in);

    friend bool operator==(const TLinkBlock&, const TLinkBlock&) = default;
};
