#include "BmpImage.h"

#include "Rounding.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int PaletteSize = 2 * 4;
constexpr int AllocationLimitMb = 8;

void put16(QByteArray& out, std::uint16_t v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, std::uint32_t v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

bool isWhite(QRgb px)
{
    return RoundHalfEven(0.3 * qRed(px) + 0.59 * qGreen(px) + 0.11 * qBlue(px)) > 128;
}

} // namespace

QByteArray BmpImage::Encode(const QImage& image)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width();
    const int h = rgb.height();
    const int rowBytes = (w + 31) / 32 * 4;
    const std::uint32_t pixelBytes = std::uint32_t(rowBytes) * std::uint32_t(h);
    const std::uint32_t offBits = FileHeaderSize + InfoHeaderSize + PaletteSize;

    QByteArray out;
    out.reserve(qsizetype(offBits + pixelBytes));
    out.append("BM");
    put32(out, offBits + pixelBytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, offBits);

    put32(out, InfoHeaderSize);
    put32(out, std::uint32_t(w));
    put32(out, std::uint32_t(h)); // positive: rows bottom-up
    put16(out, 1);                // planes
    put16(out, 1);                // bits per pixel
    put32(out, 0);                // no compression
    put32(out, pixelBytes);
    put32(out, 0); // pixels per metre, x
    put32(out, 0); // pixels per metre, y
    put32(out, 2); // colours used
    put32(out, 2); // colours important

    put32(out, 0x00000000); // black
    put32(out, 0x00FFFFFF); // white

    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (isWhite(line[x]))
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

QImage BmpImage::Decode(const char* data, qsizetype size)
{
    const qsizetype length = Length(data, size);
    if (length < 0 || length > size)
        return {};
    QByteArray bytes = QByteArray::fromRawData(data, length);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAllocationLimit(AllocationLimitMb);
    return reader.read();
}

qsizetype BmpImage::Length(const char* data, qsizetype size)
{
    if (size < FileHeaderSize + 16 || data[0] != 'B' || data[1] != 'M')
        return -1;
    const auto u16at = [data](int at) {
        return qFromLittleEndian<std::uint16_t>(data + at);
    };
    const auto u32at = [data](int at) {
        return qFromLittleEndian<std::uint32_t>(data + at);
    };
    const std::uint32_t offBits = u32at(10);
    const std::uint32_t infoSize = u32at(FileHeaderSize);
    std::int64_t width = 0, height = 0, bitCount = 0, compression = 0, sizeImage = 0, coloursUsed = 0;
    int paletteEntry = 4;
    if (infoSize == 12) { // the old core header
        width = u16at(18);
        height = u16at(20);
        bitCount = u16at(24);
        paletteEntry = 3;
    } else if (infoSize >= InfoHeaderSize && size >= FileHeaderSize + InfoHeaderSize) {
        width = qFromLittleEndian<std::int32_t>(data + 18);
        height = std::abs(std::int64_t(qFromLittleEndian<std::int32_t>(data + 22)));
        bitCount = u16at(28);
        compression = u32at(30);
        sizeImage = u32at(34);
        coloursUsed = u32at(46);
    } else {
        return -1;
    }
    constexpr std::int64_t MaxSide = 1 << 16;
    if (width <= 0 || width > MaxSide || height > MaxSide || bitCount == 0 || bitCount > 32)
        return -1;
    std::int64_t palette = 0;
    if (bitCount <= 8)
        palette = (coloursUsed > 0 && coloursUsed <= 256 ? coloursUsed : std::int64_t(1) << bitCount) *
                  paletteEntry;
    const std::int64_t pixelsAt = std::max<std::int64_t>(offBits, FileHeaderSize + infoSize + palette);
    const bool plain = compression == 0 || compression == 3 || compression == 6;
    const std::int64_t pixelBytes = plain ? (width * bitCount + 31) / 32 * 4 * height : sizeImage;
    return qsizetype(pixelsAt + pixelBytes);
}

bool BmpImage::IsBlackWhite(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb px = line[x] & 0x00FFFFFF;
            if (px != 0 && px != 0x00FFFFFF)
                return false;
        }
    }
    return true;
}
