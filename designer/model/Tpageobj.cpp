#include "Tpageobj.h"

#include "RectHelpers.h"
#include "Rounding.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"
#include "TLcdKey.h"

#include <QString>
#include <algorithm>

namespace {

constexpr int KeyType = 412;
constexpr int StaticTextType = 413;
constexpr int BitmapType = 418;

// The shortest object entry: its type code and the common record header.
constexpr int MinObjectEntryBytes = 4 + 8 + 3 + 6 * 4;

TRect frameOf(const TLCDBlockObj& o)
{
    return {o.X, o.Y, o.X + o.Width, o.Y + o.Height};
}

// The dots an object covers: its frame without the right and bottom edges.
TRect dotsOf(const TLCDBlockObj& o)
{
    return {o.X, o.Y, o.X + o.Width - 1, o.Y + o.Height - 1};
}

TRect unite(const TRect& a, const TRect& b)
{
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

bool isValueType(int typeCode)
{
    return typeCode == 415 || typeCode == 416 || typeCode == 417;
}

} // namespace

Tpageobj::Tpageobj(std::shared_ptr<const TObjectContext> context, std::int32_t screenNo,
                   std::int32_t upScreen, std::int32_t downScreen)
    : ScreenNo(screenNo), UpScreen(upScreen), DownScreen(downScreen), context_(std::move(context))
{
    if (!context_)
        context_ = std::make_shared<const TObjectContext>();
}

Tpageobjpty Tpageobj::Properties() const
{
    return {Description, ScreenNo, UpScreen, DownScreen};
}

void Tpageobj::SetProperties(const Tpageobjpty& properties)
{
    Description = properties.Description;
    ScreenNo = properties.ScreenNo;
    UpScreen = properties.UpScreen;
    DownScreen = properties.DownScreen;
}

// ---- objects ----

TLCDBlockObj* Tpageobj::AddObject(int typeCode, std::int32_t x, std::int32_t y)
{
    if (!IsObjectTypeCode(typeCode))
        return nullptr;
    int keyIndex = -1;
    if (typeCode == KeyType) {
        keyIndex = FreeKeyIndex();
        if (keyIndex < 0)
            return nullptr;
    }
    std::unique_ptr<TLCDBlockObj> object = CreateObject(typeCode, *context_);
    if (!object)
        return nullptr;
    if (keyIndex >= 0)
        AssignKeyIndex(*object, keyIndex);
    object->Selected = true;
    object->MoveTo(x, y);
    return AppendObject(std::move(object));
}

TLCDBlockObj* Tpageobj::AppendObject(std::unique_ptr<TLCDBlockObj> object)
{
    Objects.push_back(std::move(object));
    return Objects.back().get();
}

int Tpageobj::CanAddObject(int typeCode) const
{
    if (int(Objects.size()) >= MaxObjects)
        return 1;
    if (isValueType(typeCode) && CountValueObjects() >= MaxValueObjects)
        return 2;
    return 0;
}

int Tpageobj::FreeKeyIndex() const
{
    bool used[MaxKeys] = {};
    for (const auto& o : Objects) {
        if (const auto* key = dynamic_cast<const TLcdKey*>(o.get());
            key && key->KeyIndex >= 0 && key->KeyIndex < MaxKeys)
            used[key->KeyIndex] = true;
    }
    for (int i = 0; i < MaxKeys; ++i) {
        if (!used[i])
            return i;
    }
    return -1;
}

void Tpageobj::AssignKeyIndex(TLCDBlockObj& object, int keyIndex)
{
    if (auto* key = dynamic_cast<TLcdKey*>(&object)) {
        key->KeyIndex = keyIndex;
        key->Refit();
    }
}

int Tpageobj::CountByType(int typeCode) const
{
    return int(std::count_if(Objects.begin(), Objects.end(), [typeCode](const auto& o) {
        return o && (typeCode < 0 || o->TypeCode == typeCode);
    }));
}

int Tpageobj::CountValueObjects() const
{
    return int(std::count_if(Objects.begin(), Objects.end(),
                             [](const auto& o) { return o && isValueType(o->TypeCode); }));
}

// ---- selection ----

TLCDBlockObj* Tpageobj::ObjectAt(std::int32_t x, std::int32_t y) const
{
    for (auto it = Objects.rbegin(); it != Objects.rend(); ++it) {
        if (*it && (*it)->ContainsPoint({x, y}))
            return it->get();
    }
    return nullptr;
}

void Tpageobj::SelectAll(bool selected)
{
    for (auto& o : Objects)
        o->Selected = selected;
}

void Tpageobj::SelectInRect(const TRect& dots)
{
    for (auto& o : Objects)
        o->Selected = IntersectRects(frameOf(*o), dots).intersects;
}

int Tpageobj::CountSelected() const
{
    return int(selectedObjects().size());
}

TLCDBlockObj* Tpageobj::FirstSelected() const
{
    const auto it = std::find_if(Objects.begin(), Objects.end(), [](const auto& o) { return o->Selected; });
    return it == Objects.end() ? nullptr : it->get();
}

std::vector<TLCDBlockObj*> Tpageobj::selectedObjects() const
{
    std::vector<TLCDBlockObj*> selected;
    for (const auto& o : Objects) {
        if (o->Selected)
            selected.push_back(o.get());
    }
    return selected;
}

std::optional<TRect> Tpageobj::SelectionBounds() const
{
    const auto selected = selectedObjects();
    if (selected.empty())
        return std::nullopt;
    TRect box = frameOf(*selected.front());
    for (const TLCDBlockObj* o : selected)
        box = unite(box, frameOf(*o));
    if (box.Width() <= 0 || box.Height() <= 0)
        return std::nullopt;
    return box;
}

int Tpageobj::DeleteSelected()
{
    for (auto& o : Objects)
        o->DeleteMark = o->Selected;
    const auto removed = std::erase_if(Objects, [](const auto& o) { return o->DeleteMark; });
    return int(removed);
}

void Tpageobj::MoveSelected(std::int32_t dx, std::int32_t dy)
{
    for (TLCDBlockObj* o : selectedObjects())
        o->MoveBy(dx, dy);
}

Tpageobj::HandleHit Tpageobj::HitTestSelected(const TPoint& pixel) const
{
    HandleHit hit;
    for (const auto& o : Objects) {
        if (!o->Selected)
            continue;
        hit.code = 0;
        const int code = o->HitTest(pixel);
        if (code > 0)
            return {code, frameOf(*o)};
    }
    return hit;
}

// ---- order and arrangement ----

void Tpageobj::moveSelectedToEnd(bool selectedOnTop)
{
    if (Objects.size() < 2)
        return;
    std::stable_partition(Objects.begin(), Objects.end(),
                          [selectedOnTop](const auto& o) { return o->Selected != selectedOnTop; });
}

void Tpageobj::BringToFront()
{
    moveSelectedToEnd(true);
}

void Tpageobj::SendToBack()
{
    moveSelectedToEnd(false);
}

void Tpageobj::RenumberObjects()
{
    std::int32_t seq = 0;
    for (auto& o : Objects)
        o->SeqNo = ++seq;
}

void Tpageobj::Align(bool toScreen, int side)
{
    RenumberObjects();
    const auto selected = selectedObjects();
    if (selected.size() < (toScreen ? 1u : 2u))
        return;
    TRect box{0, 0, PanelWidth, PanelHeight};
    if (!toScreen) {
        box = frameOf(*selected.front());
        for (const TLCDBlockObj* o : selected)
            box = unite(box, frameOf(*o));
    }
    for (TLCDBlockObj* o : selected) {
        switch (side) {
        case 0:
            o->X = box.Left;
            break;
        case 1:
            o->X = box.Right - o->Width;
            break;
        case 2:
            o->Y = box.Top;
            break;
        case 3:
            o->Y = box.Bottom - o->Height;
            break;
        default:
            break;
        }
    }
}

void Tpageobj::Centre(bool vertical)
{
    RenumberObjects();
    const auto selected = selectedObjects();
    if (selected.empty())
        return;
    TRect box = frameOf(*selected.front());
    for (const TLCDBlockObj* o : selected)
        box = unite(box, frameOf(*o));
    if (vertical) {
        const std::int32_t dy = PanelHeight / 2 - RoundInt((box.Top + box.Bottom) / 2.0);
        for (TLCDBlockObj* o : selected)
            o->Y += dy;
    } else {
        const std::int32_t dx = PanelWidth / 2 - RoundInt((box.Left + box.Right) / 2.0);
        for (TLCDBlockObj* o : selected)
            o->X += dx;
    }
}

void Tpageobj::Distribute(bool vertical)
{
    RenumberObjects();
    auto selected = selectedObjects();
    if (selected.size() <= 2)
        return;
    auto start = [vertical](TLCDBlockObj* o) -> std::int32_t& {
        return vertical ? o->Y : o->X;
    };
    auto extent = [vertical](const TLCDBlockObj* o) {
        return vertical ? o->Height : o->Width;
    };
    std::stable_sort(selected.begin(), selected.end(),
                     [&](TLCDBlockObj* a, TLCDBlockObj* b) { return start(a) < start(b); });

    TLCDBlockObj* first = selected.front();
    TLCDBlockObj* last = selected.back();
    std::int64_t used = 0;
    for (const TLCDBlockObj* o : selected)
        used += extent(o);
    const std::int64_t free = std::int64_t(start(last)) + extent(last) - start(first) - used;
    const int gap = RoundInt(double(free) / double(selected.size() - 1));
    for (size_t i = 1; i + 1 < selected.size(); ++i)
        start(selected[i]) = start(selected[i - 1]) + extent(selected[i - 1]) + gap;
}

bool Tpageobj::HasOverlaps() const
{
    for (size_t i = 0; i < Objects.size(); ++i) {
        for (size_t j = i + 1; j < Objects.size(); ++j) {
            if (IntersectRects(dotsOf(*Objects[i]), dotsOf(*Objects[j])).intersects)
                return true;
        }
    }
    return false;
}

void Tpageobj::Paint(QPainter& canvas) const
{
    for (const auto& o : Objects) {
        if (o && IsObjectTypeCode(o->TypeCode))
            o->Paint(canvas);
    }
}

std::optional<TRect> Tpageobj::TextAndBitmapBounds() const
{
    TRect box{PanelWidth, PanelHeight, 0, 0};
    bool found = false;
    for (const auto& o : Objects) {
        if (o->TypeCode != StaticTextType && o->TypeCode != BitmapType)
            continue;
        box = unite(box, frameOf(*o));
        found = true;
    }
    if (!found)
        return std::nullopt;
    box.Left = std::max(box.Left, 0);
    box.Top = std::max(box.Top, 0);
    return box;
}

void Tpageobj::CopyObjectsFrom(const Tpageobj& source)
{
    std::vector<std::unique_ptr<TLCDBlockObj>> copies;
    for (const auto& o : source.Objects) {
        std::unique_ptr<TLCDBlockObj> copy = o ? CreateObject(o->TypeCode, *context_) : nullptr;
        if (!copy)
            continue;
        copy->Assign(*o);
        copies.push_back(std::move(copy));
    }
    Objects = std::move(copies);
}

// ---- the screen record ----

void Tpageobj::SaveToStream(TBinaryWriter& out) const
{
    std::vector<TLCDBlockObj*> written;
    for (const auto& o : Objects) {
        if (o && !o->DeleteMark)
            written.push_back(o.get());
    }
    out.fixed(ReservedBlock, 100);
    out.string(Description);
    out.i32(ScreenNo);
    out.i32(UpScreen);
    out.i32(DownScreen);
    out.i32(ScreenSpare);
    out.i32(std::int32_t(written.size()));
    for (TLCDBlockObj* o : written) {
        out.i32(o->TypeCode);
        o->SaveToStream(out);
    }
}

void Tpageobj::LoadFromStream(TBinaryReader& in)
{
    ReservedBlock = in.bytes(100, "screen reserved block");
    Description = in.string("screen Description");
    ScreenNo = in.i32("ScreenNo");
    UpScreen = in.i32("UpScreen");
    DownScreen = in.i32("DownScreen");
    ScreenSpare = in.i32("ScreenSpare");
    const std::int32_t count = in.count("screen object count", MinObjectEntryBytes);
    std::vector<std::unique_ptr<TLCDBlockObj>> objects;
    objects.reserve(size_t(count));
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t typeCode = in.i32("object type code");
        std::unique_ptr<TLCDBlockObj> object =
            IsObjectTypeCode(typeCode) ? CreateObject(typeCode, *context_) : nullptr;
        if (!object)
            in.fail(QStringLiteral("object %1 of screen %2 has the unknown type code %3")
                        .arg(i + 1)
                        .arg(ScreenNo)
                        .arg(typeCode),
                    "object type code");
        object->LoadFromStream(in);
        object->TypeCode = typeCode;
        objects.push_back(std::move(object));
    }
    Objects = std::move(objects);
}
