#include "ObjectDotImages.h"

#include "PanelScales.h"
#include "RenderBuiltinText.h"
#include "RenderWinFontText.h"
#include "TLcdBZTU.h"
#include "TLcdBitmap.h"
#include "TLcdFText.h"
#include "TLcdLightDtext.h"
#include "TLcdText.h"
#include "Tlcdqushitu.h"

#include <QPainter>
#include <algorithm>

namespace {

TDotImage packWhole(const QImage& picture, bool wholeBands)
{
    if (picture.isNull())
        return {};
    return PackDotImage(picture, picture.width(), picture.height(), 0, 0, wholeBands);
}

// A text's picture: an empty text has no dots to show (and may have no
// picture at all), anything else without a picture failed to render.
TDotImage packText(const QByteArray& text, const QImage& picture)
{
    if (text.isEmpty())
        return PackDotImage(QImage(), 0, 0, 0, 0, false);
    return packWhole(picture, false);
}

} // namespace

TDotImage TextDotImage(const TLcdText& object, const QByteArray& text)
{
    if (object.UseWinFont)
        return packText(text, RenderWinFontText(text, object.Font, object.DoubleSize, object.Reverse));
    return packText(text,
                    RenderBuiltinText(text, object.DoubleSize, object.Reverse, object.context().language));
}

TDotImage UnitTextDotImage(const TLcdFText& object, const QByteArray& unitText)
{
    return packText(
        unitText, RenderBuiltinText(unitText, object.DoubleSize, object.Reverse, object.context().language));
}

TDotImage AlarmTextDotImage(const QByteArray& text, int language)
{
    return packText(text, RenderBuiltinText(text, false, false, language));
}

TDotImage MessageCaptionDotImage(const TLcdLightDtext& object, const QByteArray& caption)
{
    const QImage box = RenderFontTextInBox(caption, object.Font, object.Width, object.Height,
                                           object.DoubleSize, object.Reverse);
    if (box.isNull())
        return {};
    // Width and Height already hold the doubled text; the panel takes the
    // object's area and nothing beyond it, which the whole bands would clear.
    return PackDotImage(box, object.Width, object.Height, 0, 0, true);
}

TDotImage BitmapDotImage(const TLcdBitmap& object)
{
    if (object.Picture.isNull() || object.Width <= 0 || object.Height <= 0)
        return {};
    // Only what the panel shows is copied.
    QImage canvas(std::min(object.Width, TLCDBlockObj::PanelWidth),
                  std::min(object.Height, TLCDBlockObj::PanelHeight), QImage::Format_RGB888);
    if (canvas.isNull())
        return {};
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        painter.drawImage(0, 0, object.Picture);
    }
    return packWhole(canvas, false);
}

TDotImage BarScaleDotImage(const TLcdBZTU& object)
{
    return packWhole(DrawBarScaleDots(object.Width, object.Height, object.Direction), true);
}

TDotImage TrendFrameDotImage(const Tlcdqushitu& object)
{
    return packWhole(DrawTrendFrameDots(object.Width, object.Height), false);
}
