#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// The panel's download image, complete with addresses and checksum.
struct TDownloadImage
{
    static constexpr int LoadAddress = 0x0800; // where the panel puts image byte 0
    static constexpr int HeadBytes = 34;
    static constexpr int ParameterBytes = 100;
    static constexpr int ChecksumOffset = 32;
    // The image must end at 0xB800 at the latest, below the text resources.
    static constexpr int MaxBytes = 45056;

    QByteArray bytes;
    std::vector<QString> warnings; // entries left out, e.g. "data is not integer value!"

    // Where each screen's section lies: its number, panel address and size.
    struct Section
    {
        std::int32_t screenNo = 0;
        std::uint16_t address = 0;
        int bytes = 0;
    };
    std::vector<Section> sections;

    // The image fits the panel's memory; a longer one must not be downloaded.
    bool fitsPanel() const { return FitsPanel(int(bytes.size())); }
    static bool FitsPanel(int imageBytes) { return imageBytes <= MaxBytes; }

    // The 16-bit sum of every byte but the last, taken with the checksum field
    // as 0 (the panel adds the same bytes).
    static std::uint16_t Checksum(const QByteArray& image);
};
