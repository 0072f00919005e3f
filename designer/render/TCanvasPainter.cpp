#include "TCanvasPainter.h"

#include "DigitObjectPainting.h"
#include "GraphPainting.h"
#include "PictureObjectPainting.h"
#include "TLcdBZTU.h"
#include "TLcdBitmap.h"
#include "TLcdDText.h"
#include "TLcdFText.h"
#include "TLcdKey.h"
#include "TLcdLight.h"
#include "TLcdLightDtext.h"
#include "TLcdText.h"
#include "TLcdTimepiece.h"
#include "TextObjectPainting.h"
#include "Tlcdqushitu.h"

#include <QPainter>

namespace {

// Restores pen, brush and the other painter settings the drawing touches.
class PainterState
{
public:
    explicit PainterState(QPainter& canvas) : canvas_(canvas) { canvas_.save(); }
    ~PainterState() { canvas_.restore(); }
    PainterState(const PainterState&) = delete;
    PainterState& operator=(const PainterState&) = delete;

private:
    QPainter& canvas_;
};

} // namespace

void TCanvasPainter::Paint(TLCDBlockObj& object, QPainter& canvas)
{
    if (!canvas.isActive())
        return;
    const PainterState state(canvas);
    // The type code says what the object is; a mismatching object draws nothing.
    switch (object.TypeCode) {
    case 411:
        if (auto* lamp = dynamic_cast<TLcdLight*>(&object))
            PaintLamp(*lamp, canvas);
        break;
    case 412:
        if (auto* key = dynamic_cast<TLcdKey*>(&object))
            PaintKey(*key, canvas);
        break;
    case 413:
        if (auto* text = dynamic_cast<TLcdText*>(&object))
            PaintStaticText(*text, canvas);
        break;
    case 414:
        if (auto* states = dynamic_cast<TLcdDText*>(&object))
            PaintStateText(*states, canvas);
        break;
    case 415:
        if (auto* reg = dynamic_cast<TLcdFText*>(&object))
            PaintRegister(*reg, canvas);
        break;
    case 416:
        if (auto* bar = dynamic_cast<TLcdBZTU*>(&object))
            PaintBarGraph(*bar, canvas);
        break;
    case 417:
        if (auto* trend = dynamic_cast<Tlcdqushitu*>(&object))
            PaintTrendChart(*trend, canvas);
        break;
    case 418:
        if (auto* bitmap = dynamic_cast<TLcdBitmap*>(&object))
            PaintBitmap(*bitmap, canvas);
        break;
    case 420:
        if (auto* message = dynamic_cast<TLcdLightDtext*>(&object))
            PaintMessageDisplay(*message, canvas);
        break;
    case 421:
        if (auto* time = dynamic_cast<TLcdTimepiece*>(&object))
            PaintTimeDisplay(*time, canvas);
        break;
    default:
        break;
    }
}

void TCanvasPainter::PaintBody(TLCDBlockObj& object, QPainter& canvas)
{
    if (!canvas.isActive())
        return;
    const PainterState state(canvas);
    switch (object.TypeCode) {
    case 411:
        if (auto* lamp = dynamic_cast<TLcdLight*>(&object))
            PaintLampBody(*lamp, canvas);
        break;
    case 412:
        if (auto* key = dynamic_cast<TLcdKey*>(&object))
            PaintKeyBody(*key, canvas);
        break;
    case 413:
    case 420: // a message display shows its text as a static text does
        if (auto* text = dynamic_cast<TLcdText*>(&object))
            PaintStaticTextBody(*text, canvas);
        break;
    case 414:
        if (auto* states = dynamic_cast<TLcdDText*>(&object))
            PaintStateTextBody(*states, canvas);
        break;
    case 415:
        if (auto* reg = dynamic_cast<TLcdFText*>(&object)) {
            LiveState& live = liveStateOf(object);
            live.drawnLength = PaintRegisterValue(*reg, canvas, live.value, live.drawnLength);
        }
        break;
    case 416:
        if (auto* bar = dynamic_cast<TLcdBZTU*>(&object))
            PaintBarGraphBody(*bar, canvas, liveStateOf(object).value);
        break;
    case 417:
        if (auto* trend = dynamic_cast<Tlcdqushitu*>(&object))
            PaintTrendChartBody(*trend, canvas);
        break;
    case 418:
        if (auto* bitmap = dynamic_cast<TLcdBitmap*>(&object))
            PaintBitmapBody(*bitmap, canvas);
        break;
    default: // a time display has no content of its own to show
        break;
    }
}

void TCanvasPainter::SetLiveValue(const TLCDBlockObj& object, std::int64_t value)
{
    liveStateOf(object).value = value;
}

void TCanvasPainter::ClearLiveState()
{
    live_.clear();
}

TCanvasPainter::LiveState& TCanvasPainter::liveStateOf(const TLCDBlockObj& object)
{
    LiveState& live = live_[&object];
    if (live.objectId != object.ObjectId)
        live = LiveState{object.ObjectId};
    return live;
}
