#include "TDownloadImage.h"

std::uint16_t TDownloadImage::Checksum(const QByteArray& image)
{
    std::uint32_t sum = 0;
    for (qsizetype i = 0; i + 1 < image.size(); ++i) {
        if (i == ChecksumOffset || i == ChecksumOffset + 1)
            continue;
        sum += std::uint8_t(image[i]);
    }
    return std::uint16_t(sum);
}
