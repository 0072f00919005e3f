#include "TLCDBlockObj.h"

#include "EReadError.h"
#include "JsonFields.h"
#include "ObjectId.h"
#include "ObjectPainter.h"
#include "RectHelpers.h"
#include "Rounding.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

#include <algorithm>
#include <limits>

namespace {

std::int32_t clampToInt32(std::int64_t v)
{
    return std::int32_t(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

} // namespace

TLCDBlockObj::TLCDBlockObj(int typeCode, const TObjectContext& context)
    : ObjectId(MakeObjectId().toLatin1()), TypeCode(typeCode), context_(context)
{}

TLCDBlockObj::~TLCDBlockObj() = default;

void TLCDBlockObj::Assign(const TLCDBlockObj& source)
{
    Zoom = source.Zoom;
    X = source.X;
    Y = source.Y;
    Width = source.Width;
    Height = source.Height;
    Selected = source.Selected;
    TypeCode = source.TypeCode;
    SeqNo = source.SeqNo;
}

void TLCDBlockObj::Paint(QPainter& canvas)
{
    if (ObjectPainter* painter = ObjectPainter::current())
        painter->Paint(*this, canvas);
}

void TLCDBlockObj::PaintBody(QPainter& canvas)
{
    if (ObjectPainter* painter = ObjectPainter::current())
        painter->PaintBody(*this, canvas);
}

void TLCDBlockObj::SaveToStream(TBinaryWriter& out)
{
    RecordVersion = CurrentRecordVersion;
    out.f64(RecordVersion);
    out.string(ObjectId);
    out.i32(SpareWord);
    out.i32(TypeCode);
    out.i32(X);
    out.i32(Y);
    out.i32(Width);
    out.i32(Height);
}

void TLCDBlockObj::LoadFromStream(TBinaryReader& in)
{
    RecordVersion = in.f64("RecordVersion");
    ObjectId = in.string("ObjectId");
    SpareWord = in.i32("SpareWord");
    TypeCode = in.i32("TypeCode");
    X = in.i32("X");
    Y = in.i32("Y");
    Width = in.i32("Width");
    Height = in.i32("Height");
}

void TLCDBlockObj::WriteJson(QJsonObject& json) const
{
    json[QStringLiteral("TypeCode")] = TypeCode;
    json[QStringLiteral("X")] = X;
    json[QStringLiteral("Y")] = Y;
    json[QStringLiteral("Width")] = Width;
    json[QStringLiteral("Height")] = Height;
    json[QStringLiteral("ObjectId")] = JsonFields::textValue(ObjectId);
    json[QStringLiteral("RecordVersion")] = RecordVersion;
    json[QStringLiteral("SpareWord")] = SpareWord;
}

void TLCDBlockObj::ReadJson(const QJsonObject& json)
{
    const JsonFields r(json, {});
    std::int32_t typeCode = TypeCode;
    r.read("TypeCode", typeCode);
    if (typeCode != TypeCode)
        JsonFields::fail(
            QStringLiteral("TypeCode"),
            QStringLiteral("%1 is not the type of this object (%2)").arg(typeCode).arg(TypeCode));
    r.read("X", X);
    r.read("Y", Y);
    r.read("Width", Width);
    r.read("Height", Height);
    r.readText("ObjectId", ObjectId);
    r.read("RecordVersion", RecordVersion);
    r.read("SpareWord", SpareWord);
}

void TLCDBlockObj::MoveTo(std::int32_t x, std::int32_t y)
{
    X = x;
    Y = y;
}

void TLCDBlockObj::SetWidthClamped(std::int32_t w)
{
    if (w == Width)
        return;
    Width = std::min(w, PanelWidth);
    if (std::int64_t(X) + Width > PanelWidth)
        X = PanelWidth - Width;
    WidthChanged();
}

void TLCDBlockObj::SetHeightClamped(std::int32_t h)
{
    if (h == Height)
        return;
    Height = std::min(h, PanelHeight);
    if (std::int64_t(Y) + Height > PanelHeight)
        Y = PanelHeight - Height;
}

void TLCDBlockObj::MoveBy(std::int32_t dx, std::int32_t dy)
{
    // Sums are taken in 64 bits: a damaged file may hold any size.
    const std::int64_t x = X, y = Y, w = Width, h = Height;
    std::int64_t mx = dx, my = dy;
    // The move is first tried in editor pixels, as the canvas shows it; only a
    // move that would leave the canvas is shortened to end at its edge.
    const TRect canvas{0, 0, RoundInt(PanelWidth * Zoom), RoundInt(PanelHeight * Zoom)};
    const std::int64_t left = RoundHalfEven(double(x + mx) * Zoom);
    const std::int64_t top = RoundHalfEven(double(y + my) * Zoom);
    const TPoint topLeft{clampToInt32(left), clampToInt32(top)};
    const TPoint bottomRight{clampToInt32(left + RoundHalfEven(double(w) * Zoom)),
                             clampToInt32(top + RoundHalfEven(double(h) * Zoom))};
    if (!PointInRect(canvas, topLeft) || !PointInRect(canvas, bottomRight)) {
        if (x + mx + w > PanelWidth)
            mx = PanelWidth - w - x;
        if (x + mx < 0)
            mx = -x;
        if (y + my + h > PanelHeight)
            my = PanelHeight - h - y;
        if (y + my < 0)
            my = -y;
    }
    std::int64_t nx = std::max<std::int64_t>(x + mx, 0);
    std::int64_t ny = std::max<std::int64_t>(y + my, 0);
    if (nx + w > PanelWidth)
        nx = PanelWidth - w;
    if (ny + h > PanelHeight)
        ny = PanelHeight - h;
    X = clampToInt32(nx);
    Y = clampToInt32(ny);
}

bool TLCDBlockObj::ContainsPoint(const TPoint& dot) const
{
    return dot.X >= X && dot.X <= std::int64_t(X) + Width && dot.Y >= Y && dot.Y <= std::int64_t(Y) + Height;
}

TRect TLCDBlockObj::PixelRect() const
{
    const int left = RoundInt(X * Zoom);
    const int top = RoundInt(Y * Zoom);
    return {left, top, clampToInt32(std::int64_t(left) + RoundInt(Width * Zoom)),
            clampToInt32(std::int64_t(top) + RoundInt(Height * Zoom))};
}

int TLCDBlockObj::HitTest(const TPoint& pixel) const
{
    if (!Selected)
        return 0;
    const TRect r = PixelRect();
    if (HasResizeHandles()) {
        const int midX = (r.Left + r.Right) / 2;
        const int midY = (r.Top + r.Bottom) / 2;
        // Tested in this order; the first hit wins where handles overlap.
        const struct
        {
            TPoint point;
            int code;
        } handles[] = {
            {{r.Left, r.Top}, 11},     {{midX, r.Top}, 12},      {{r.Right, r.Top}, 13},
            {{r.Right, midY}, 14},     {{r.Left, r.Bottom}, 17}, {{midX, r.Bottom}, 16},
            {{r.Right, r.Bottom}, 15}, {{r.Left, midY}, 18},
        };
        for (const auto& h : handles) {
            if (HandleHit(h.point, pixel, 1.0))
                return h.code;
        }
    }
    return PointInRect(r, pixel) ? 1 : 0;
}
