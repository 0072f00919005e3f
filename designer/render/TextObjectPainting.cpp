#include "TextObjectPainting.h"

#include "GbkCodec.h"
#include "Rounding.h"
#include "SelectionMarks.h"
#include "TCharMetrics.h"
#include "TLcdDText.h"
#include "TLcdLightDtext.h"
#include "TLcdText.h"
#include "TextDots.h"
#include "WindowsFontText.h"

#include <QPainter>
#include <algorithm>

namespace {

// A text ready to be drawn in an object's style.
struct TextLook
{
    QByteArray cells; // language 1: the text cut to the editor's cells
    QImage dots;      // other styles: the text at one pixel per dot
    QSize dotSize;    // the size in dots the object takes for it
};

TextLook lookOf(const TLcdText& object, const QByteArray& text)
{
    TextLook look;
    if (text.isEmpty())
        return look;
    const bool twice = object.DoubleSize;
    // Pictures at one pixel per dot are shown stretched by the zoom; the
    // object takes the dots that cover them.
    const auto coverDots = [&](const QSize& pixels) {
        return QSize(DotsCoveringStretched(pixels.width(), twice, object.Zoom),
                     DotsCoveringStretched(pixels.height(), twice, object.Zoom));
    };
    if (object.UseWinFont) {
        look.dots = RenderWindowsFontText(object.Font, object.Reverse, text);
        // The font's whole extent: the picture is cut where the panel ends long before.
        look.dotSize = coverDots(WindowsFontExtent(object.Font, text));
        return look;
    }
    if (object.context().language != 1) {
        look.dots = RenderFontText(object.context().language, object.Reverse, text);
        look.dotSize = coverDots(look.dots.size());
        return look;
    }
    // The panel's own characters: at most 24 bytes (12 at double size) fit a line.
    look.cells = GbkCodec::cutToBytes(text, twice ? 12 : 24);
    const int scale = twice ? 2 : 1;
    look.dotSize = {8 * scale * int(look.cells.size()), 16 * scale};
    return look;
}

void drawLook(const TLcdText& object, const TextLook& look, QPainter& canvas)
{
    const TRect r = object.PixelRect();
    const QColor ink = object.Reverse ? Qt::black : Qt::white;
    const QColor paper = object.Reverse ? Qt::white : Qt::black;
    if (!look.cells.isEmpty()) {
        const TCharMetrics& m = CharMetrics();
        const int cellWidth = object.DoubleSize ? m.DrawCharWidthDouble : m.DrawCharWidth;
        const int cellHeight = object.DoubleSize ? m.DrawCharHeightDouble : m.DrawCharHeight;
        DrawFixedCellText(1, canvas, paper, look.cells, cellWidth, cellHeight, r.Left, r.Top, ink, 500);
    } else if (!look.dots.isNull()) {
        const double stretch = object.Zoom * (object.DoubleSize ? 2 : 1);
        canvas.drawImage(QRect(r.Left, r.Top, RoundInt(look.dots.width() * stretch),
                               RoundInt(look.dots.height() * stretch)),
                         look.dots);
    }
}

void fillBlack(const TLCDBlockObj& object, QPainter& canvas)
{
    const TRect r = object.PixelRect();
    canvas.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::black);
}

// Size from the text, then Fit; Fit puts the previous text back when the new
// one makes the object wider than the panel, and that text is measured again.
TextLook sizeToText(TLcdText& object)
{
    TextLook look;
    for (int pass = 0; pass < 2; ++pass) {
        look = lookOf(object, object.Text);
        const QSize size = object.Text.isEmpty() ? QSize(2, 16) : look.dotSize;
        object.Width = size.width();
        object.Height = size.height();
        const QByteArray shown = object.Text;
        object.Fit();
        if (object.Text == shown)
            break;
    }
    return look;
}

} // namespace

QSize TextDotSize(const TLcdText& object, const QByteArray& text)
{
    return lookOf(object, text).dotSize;
}

void DrawObjectText(const TLcdText& object, const QByteArray& text, QPainter& canvas)
{
    drawLook(object, lookOf(object, text), canvas);
}

void PaintStaticText(TLcdText& object, QPainter& canvas)
{
    drawLook(object, sizeToText(object), canvas);
    DrawSelection(object, canvas);
}

void PaintStaticTextBody(TLcdText& object, QPainter& canvas)
{
    fillBlack(object, canvas);
    DrawObjectText(object, object.Text, canvas);
}

void PaintStateText(TLcdDText& object, QPainter& canvas)
{
    object.UpdateCaptionSize();
    // Fit may have put back an older text; the shown caption is what counts.
    object.RefreshShownText();
    DrawObjectText(object, object.Text, canvas);
    DrawSelection(object, canvas);
}

void PaintStateTextBody(TLcdDText& object, QPainter& canvas)
{
    fillBlack(object, canvas);
    DrawObjectText(object, object.CurrentCaption, canvas);
}

void PaintMessageDisplay(TLcdLightDtext& object, QPainter& canvas)
{
    const int limit = TLCDBlockObj::PanelWidth;
    object.OnCaption = object.FitTextToWidth(object.OnCaption, limit, object.DoubleSize);
    object.OffCaption = object.FitTextToWidth(object.OffCaption, limit, object.DoubleSize);
    const QByteArray shown = object.RefreshShownText();
    // "ON/OFF", shown while both captions were blank, is wider than either.
    QSize size;
    for (const QByteArray& text : {object.OnCaption, object.OffCaption, shown})
        size = size.expandedTo(TextDotSize(object, text));
    object.Width = size.width();
    object.Height = size.height();
    object.Fit();
    object.Text = shown; // Fit must not swap the shown caption for an older text
    DrawObjectText(object, shown, canvas);
    DrawSelection(object, canvas);
}
