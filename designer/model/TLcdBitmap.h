#pragma once

#include "TLCDBlockObj.h"

#include <QImage>
#include <array>

// A black and white picture (418).
//
// In the project file the picture is a Windows BMP file image. The image read
// from a file is kept byte for byte and written back while the picture is
// unchanged, so loading and saving never alter a file; a new or changed
// picture is written as a 1-bit BMP (see BmpImage).
class TLcdBitmap : public TLCDBlockObj
{
public:
    explicit TLcdBitmap(const TObjectContext& context);

    std::array<std::uint8_t, 4> StyleBytes{}; // copied, not stored
    // The picture, black and white. A new bitmap holds a black 16 x 16 picture.
    QImage Picture;
    std::int32_t SizeMode = 0; // 0: SetPicture also sets Width and Height
    std::uint8_t FlagByte = 0; // copied, not stored

    void Assign(const TLCDBlockObj& source) override;
    void SaveToStream(TBinaryWriter& out) override;
    // The reader follows PictureEnd whatever the image took: an image shorter
    // than PictureEnd says leaves bytes that are skipped, one that runs past it
    // (older writers) is still decoded. A PictureEnd before the image or
    // beyond the file, or an image that does not decode, is a read error.
    void LoadFromStream(TBinaryReader& in) override;
    void WriteJson(QJsonObject& json) const override;
    // "Picture" is the BMP file image in base64 (null for none); without
    // "Width" and "Height" the object takes the picture's size.
    void ReadJson(const QJsonObject& json) override;
    bool HasResizeHandles() const override { return true; }

    // A copy of the picture, reduced to black and white; with SizeMode 0 the
    // object takes its size. The caller cuts a picture to the panel first.
    void SetPicture(const QImage& picture);
    // The BMP file image that a save writes: the bytes read while the picture
    // is unchanged, else a fresh encoding; empty without a picture.
    QByteArray PictureBytes() const;

    // The size of the last picture chosen in the editor, which the bitmap
    // tool drags out (16 x 16 until one is chosen).
    static QSize LastPictureSize();
    static void SetLastPictureSize(const QSize& size);

private:
    // Takes a decoded BMP file image and the bytes to keep for it.
    void takeDecodedPicture(const QImage& decoded, const QByteArray& bytes);

    QByteArray keptBytes_; // the BMP image as read, while Picture is keptImage_
    QImage keptImage_;
};
