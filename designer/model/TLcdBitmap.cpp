#include "TLcdBitmap.h"

#include "BmpImage.h"
#include "DrawHelpers.h"
#include "JsonFields.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

namespace {

QSize& lastPictureSize()
{
    static QSize size(16, 16);
    return size;
}

} // namespace

TLcdBitmap::TLcdBitmap(const TObjectContext& context) : TLCDBlockObj(418, context)
{
    Picture = QImage(Width, Height, QImage::Format_RGB888);
    Picture.fill(Qt::black);
}

void TLcdBitmap::Assign(const TLCDBlockObj& source)
{
    TLCDBlockObj::Assign(source);
    if (const auto* s = dynamic_cast<const TLcdBitmap*>(&source)) {
        Picture = s->Picture.copy();
        keptBytes_ = s->keptBytes_;
        keptImage_ = s->Picture.cacheKey() == s->keptImage_.cacheKey() ? Picture : QImage();
        StyleBytes = s->StyleBytes;
        FlagByte = s->FlagByte;
    }
}

void TLcdBitmap::SetPicture(const QImage& picture)
{
    Picture = picture.copy();
    if (!Picture.isNull())
        ToBlackWhite(Picture);
    keptBytes_.clear();
    keptImage_ = QImage();
    if (SizeMode == 0 && !Picture.isNull()) {
        Width = Picture.width();
        Height = Picture.height();
    }
}

QByteArray TLcdBitmap::PictureBytes() const
{
    if (Picture.isNull())
        return {};
    if (!keptBytes_.isEmpty() && !keptImage_.isNull() && Picture.cacheKey() == keptImage_.cacheKey())
        return keptBytes_;
    return BmpImage::Encode(Picture);
}

void TLcdBitmap::takeDecodedPicture(const QImage& decoded, const QByteArray& bytes)
{
    Picture = decoded;
    ToBlackWhite(Picture);
    keptBytes_ = bytes;
    keptImage_ = Picture;
}

void TLcdBitmap::SaveToStream(TBinaryWriter& out)
{
    TLCDBlockObj::SaveToStream(out);
    const QByteArray bmp = PictureBytes();
    out.u8(bmp.isEmpty() ? 0 : 1);
    // PictureEnd: the absolute position after the image, known once it is written.
    const qsizetype pictureEndAt = out.pos();
    out.i32(0);
    out.bytes(bmp);
    out.patchI32(pictureEndAt, static_cast<std::int32_t>(out.pos()));
}

void TLcdBitmap::LoadFromStream(TBinaryReader& in)
{
    TLCDBlockObj::LoadFromStream(in);
    const bool hasPicture = in.u8("HasPicture") == 1;
    const std::int32_t pictureEnd = in.i32("PictureEnd");
    const qsizetype start = in.pos();
    if (pictureEnd < start || pictureEnd > in.size())
        in.seekForward(pictureEnd, "PictureEnd"); // raises the read error with the position
    if (!hasPicture) {
        Picture = QImage();
        keptBytes_.clear();
        keptImage_ = QImage();
    } else {
        const char* image = in.data().constData() + start;
        const QImage decoded = BmpImage::Decode(image, in.size() - start);
        if (decoded.isNull())
            in.fail(QStringLiteral("the picture is not a BMP image that can be read"), "Picture");
        // An image that ends within PictureEnd is kept with the bytes after it;
        // one that runs past PictureEnd (older writers) is written anew.
        const qsizetype length = BmpImage::Length(image, in.size() - start);
        takeDecodedPicture(decoded, length <= pictureEnd - start ? in.data().mid(start, pictureEnd - start)
                                                                 : QByteArray());
    }
    in.seekForward(pictureEnd, "PictureEnd");
}

void TLcdBitmap::WriteJson(QJsonObject& json) const
{
    TLCDBlockObj::WriteJson(json);
    const QByteArray bmp = PictureBytes();
    json[QStringLiteral("Picture")] =
        bmp.isEmpty() ? QJsonValue() : QJsonValue(QString::fromLatin1(bmp.toBase64()));
}

void TLcdBitmap::ReadJson(const QJsonObject& json)
{
    TLCDBlockObj::ReadJson(json);
    if (!json.contains(QLatin1String("Picture")))
        return;
    if (json.value(QLatin1String("Picture")).isNull()) {
        SetPicture(QImage());
        return;
    }
    QByteArray bmp;
    JsonFields(json, {}).readBase64("Picture", bmp);
    const QImage decoded = BmpImage::Decode(bmp);
    if (decoded.isNull())
        JsonFields::fail(QStringLiteral("Picture"), QStringLiteral("not a BMP image that can be read"));
    takeDecodedPicture(decoded, bmp);
    if (!json.contains(QLatin1String("Width")))
        Width = Picture.width();
    if (!json.contains(QLatin1String("Height")))
        Height = Picture.height();
}

QSize TLcdBitmap::LastPictureSize()
{
    return lastPictureSize();
}

void TLcdBitmap::SetLastPictureSize(const QSize& size)
{
    lastPictureSize() = size;
}
