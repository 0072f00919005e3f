#include "DigitObjectPainting.h"

#include "PanelLimits.h"
#include "SelectionMarks.h"
#include "TLcdDText.h"
#include "TLcdFText.h"
#include "TLcdTimepiece.h"
#include "TPictureLibrary.h"
#include "TextObjectPainting.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int CellWidth = 18; // a digit glyph in pixels, twice with double size
constexpr int CellHeight = 36;

int scaleOf(bool doubleSize)
{
    return doubleSize ? 2 : 1;
}

// The width in dots of a register's digits.
int digitsWidth(const TLcdFText& object)
{
    return 8 * scaleOf(object.DoubleSize) * int(object.Text.size());
}

void drawUnits(const TLcdFText& object, QPainter& canvas)
{
    if (!object.HasUnits)
        return;
    const std::unique_ptr<TLcdDText> units = MakeRegisterUnits(object);
    DrawObjectText(*units, units->Text, canvas);
}

} // namespace

QByteArray RegisterEditorText(const TLcdFText& object)
{
    const int plc = object.context().plcCode;
    if ((plc == 26 || plc == 27) && object.Addr2 == 0 && object.AddrType <= 4)
        return QByteArrayLiteral("HH:MM:SS");
    return object.Text;
}

QByteArray RegisterValueText(const TLcdFText& object, std::int64_t value)
{
    if (object.DataFormat == 1) {
        // A negative value can only be a signed reading; the panel shows its 32 bits.
        const quint64 bits = value < 0 ? quint64(std::uint32_t(value)) : quint64(value);
        return QByteArray::number(bits, 16).toUpper().rightJustified(2, '0');
    }
    const int decimals = std::clamp(object.Decimals, 0, TLcdFText::MaxDecimals);
    const double shown = double(value) / std::pow(10.0, decimals);
    return QByteArray::number(shown, 'g', 15).toUpper();
}

std::unique_ptr<TLcdDText> MakeRegisterUnits(const TLcdFText& object)
{
    auto units = std::make_unique<TLcdDText>(object.context());
    units->DoubleSize = object.DoubleSize;
    units->Reverse = object.Reverse;
    units->UseWinFont = object.UseWinFont;
    units->Font = object.Font;
    units->Zoom = object.Zoom;
    units->States = {};
    for (int i = 0; i < 3; ++i) {
        units->States[i].ValueText = QByteArray::number(i + 1);
        units->SetCaption(i, object.UnitTexts[i]);
    }
    units->UpdateCaptionSize();
    units->X = object.X + digitsWidth(object);
    units->Y = object.Y;
    return units;
}

void PaintRegister(TLcdFText& object, QPainter& canvas)
{
    object.Width = digitsWidth(object);
    object.Height = 16 * scaleOf(object.DoubleSize);
    if (object.HasUnits)
        object.Width += MakeRegisterUnits(object)->Width;
    // Not Fit: its text rule would swap the placeholder for an older text.
    ApplyPanelLimits(object);
    const TRect r = object.PixelRect();
    DrawDigits(RegisterEditorText(object), r.Left, r.Top, canvas, object.Reverse, object.DoubleSize);
    drawUnits(object, canvas);
    DrawSelection(object, canvas);
}

int PaintRegisterValue(TLcdFText& object, QPainter& canvas, std::int64_t value, int previousLength)
{
    const QByteArray text = RegisterValueText(object, value);
    const TRect r = object.PixelRect();
    const int scale = scaleOf(object.DoubleSize);
    const int length = int(text.size());
    // The glyphs are drawn transparently: the cells of the new value are
    // cleared as well as those a longer previous value used, so no old digit
    // shows through or stays behind.
    const int cleared = std::max(length, previousLength);
    canvas.fillRect(QRect(r.Left, r.Top, cleared * CellWidth * scale, CellHeight * scale), Qt::black);
    DrawDigits(text, r.Left, r.Top, canvas, object.Reverse, object.DoubleSize);
    drawUnits(object, canvas);
    return length;
}

QByteArray TimeDisplayText(const TLcdTimepiece& object)
{
    // More characters than the panel has cells can only come from a damaged file.
    const int count = std::clamp(object.CharCount, 0, TLCDBlockObj::PanelWidth / 8);
    if (object.Text.size() >= count)
        return object.Text.right(count);
    return QByteArray(count - object.Text.size(), ' ') + object.Text;
}

void PaintTimeDisplay(TLcdTimepiece& object, QPainter& canvas)
{
    const QByteArray shown = TimeDisplayText(object);
    object.Width = 8 * scaleOf(object.DoubleSize) * int(shown.size());
    object.Height = 16 * scaleOf(object.DoubleSize);
    // Fit grows the object to its Text: for a time display that is the text shown.
    const QByteArray format = object.Text;
    object.Text = shown;
    object.Fit();
    object.Text = format;
    const TRect r = object.PixelRect();
    DrawDigits(shown, r.Left, r.Top, canvas, object.Reverse, object.DoubleSize);
    DrawSelection(object, canvas);
}
