#include "PictureObjectPainting.h"

#include "PanelLimits.h"
#include "Rounding.h"
#include "SelectionMarks.h"
#include "TLcdBitmap.h"
#include "TLcdKey.h"
#include "TLcdLight.h"

#include <QPainter>

namespace {

QRect pixelRect(const TLCDBlockObj& object)
{
    const TRect r = object.PixelRect();
    return {r.Left, r.Top, r.Width(), r.Height()};
}

// The key face on its scratch picture, or a null image without the key picture.
QImage keyFace(const TLcdKey& key, int widthDots)
{
    if (key.Glyph.isNull())
        return {};
    QImage face(RoundInt(widthDots * key.Zoom), RoundInt(16 * key.Zoom), QImage::Format_RGB32);
    if (face.isNull())
        return {};
    face.fill(key.Reverse ? Qt::white : Qt::black);
    QPainter p(&face);
    if (key.Invisible) {
        p.drawImage(face.rect(), key.Glyph);
    } else if (key.HandMark) {
        const int half = face.width() / 2;
        if (!key.HandGlyph.isNull())
            p.drawImage(QRect(0, 0, half, face.height()), key.HandGlyph);
        p.drawImage(QRect(half, 0, face.width() - half, face.height()), key.Glyph);
    } else {
        p.drawImage(0, 0, key.Glyph);
    }
    return face;
}

} // namespace

void PaintLampBody(TLcdLight& object, QPainter& canvas)
{
    object.RefreshGlyph();
    if (!object.Glyph.isNull())
        canvas.drawImage(pixelRect(object), object.Glyph);
}

void PaintLamp(TLcdLight& object, QPainter& canvas)
{
    object.Width = object.Height = object.DoubleSize ? 32 : 16;
    PullInsidePanel(object);
    PaintLampBody(object, canvas);
    DrawSelection(object, canvas);
}

void PaintKeyBody(TLcdKey& object, QPainter& canvas)
{
    object.RefreshGlyphs();
    const int widthDots = object.HandMark && !object.Invisible ? 32 : 16;
    const int scale = object.DoubleSize && !object.Invisible ? 2 : 1;
    object.Width = widthDots * scale;
    object.Height = 16 * scale;
    PullInsidePanel(object);
    const QImage face = keyFace(object, widthDots);
    if (!face.isNull())
        canvas.drawImage(pixelRect(object), face);
}

void PaintKey(TLcdKey& object, QPainter& canvas)
{
    PaintKeyBody(object, canvas);
    DrawSelection(object, canvas);
}

void PaintBitmapBody(const TLcdBitmap& object, QPainter& canvas)
{
    if (!object.Picture.isNull())
        canvas.drawImage(pixelRect(object), object.Picture);
}

void PaintBitmap(const TLcdBitmap& object, QPainter& canvas)
{
    PaintBitmapBody(object, canvas);
    DrawSelection(object, canvas);
}
