#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// One screen's section of the image while it is being assembled.
struct Tpagerecord
{
    int index = 0; // position of the screen in the project
    std::int32_t screenNo = 0;
    std::int32_t upScreen = 0;   // a screen that exists (the screen itself as fallback)
    std::int32_t downScreen = 0; // likewise
    QByteArray description;
    std::uint16_t address = 0;
    QByteArray header;               // 13 bytes and the description
    std::vector<QByteArray> records; // object records, the 0xFF end record last

    int size() const
    {
        int n = int(header.size());
        for (const QByteArray& r : records)
            n += int(r.size());
        return n;
    }
};
