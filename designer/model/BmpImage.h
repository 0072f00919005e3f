#pragma once

#include <QByteArray>
#include <QImage>

// The Windows BMP file images that bitmap objects keep in project files.
class BmpImage
{
public:
    // A 1-bit BMP file image: 14-byte file header, 40-byte info header, a
    // palette of black (index 0) and white (index 1), rows bottom-up padded to
    // four bytes. Pixels whose grey value round(0.3 R + 0.59 G + 0.11 B) is
    // above 128 are white. A null image gives an empty array.
    static QByteArray Encode(const QImage& image);

    // Decodes a BMP file image of any depth the platform reads, from its
    // first Length() bytes; a null image when the bytes are not one or the
    // image is cut short. Pictures are small: an image that would
    // need more than a few megabytes is refused rather than allocated.
    static QImage Decode(const char* data, qsizetype size);
    static QImage Decode(const QByteArray& bytes) { return Decode(bytes.constData(), bytes.size()); }

    // The number of bytes the BMP file image at data takes, from its headers
    // (offset of the pixels plus their size); -1 when the headers are cut
    // short or make no sense. Readers use it to tell an image cut short,
    // which the platform's decoder would quietly fill up, from a whole one.
    static qsizetype Length(const char* data, qsizetype size);

    // Whether every pixel is pure black or pure white.
    static bool IsBlackWhite(const QImage& image);
};
