#pragma once

#include "TLCDBlockObj.h"
#include "TObjectContext.h"
#include "TRect.h"
#include "Tpageobjpty.h"

#include <QByteArray>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class TBinaryReader;
class TBinaryWriter;

// One screen of the panel: its number, description, the screens reached
// with the up and down arrow keys, and its display objects, bottom first
// (the last object is drawn on top).
//
// The screen shares its project's object context, so objects it creates
// always take the defaults of the project's current PLC model.
class Tpageobj
{
public:
    static constexpr int MaxObjects = 100;
    static constexpr int MaxValueObjects = 40; // registers, bar graphs and trend charts together
    static constexpr int MaxKeys = 14;         // one per panel key
    static constexpr std::int32_t PanelWidth = TLCDBlockObj::PanelWidth;
    static constexpr std::int32_t PanelHeight = TLCDBlockObj::PanelHeight;
    // The shortest screen record: reserved block, empty description, five int32.
    static constexpr int MinRecordBytes = 100 + 3 + 5 * 4;

    explicit Tpageobj(std::shared_ptr<const TObjectContext> context, std::int32_t screenNo = 1,
                      std::int32_t upScreen = 0, std::int32_t downScreen = 2);
    Tpageobj(const Tpageobj&) = delete;
    Tpageobj& operator=(const Tpageobj&) = delete;

    std::int32_t ScreenSpare = 0; // a built-in menu text set keeps the screen's kind here
    QByteArray ReservedBlock = QByteArray(100, '\xFF');
    QByteArray Description;
    std::int32_t ScreenNo = 1;
    std::int32_t UpScreen = 0;
    std::int32_t DownScreen = 2;
    std::int32_t KindCode = 300; // the property panel's code for a screen
    std::vector<std::unique_ptr<TLCDBlockObj>> Objects;

    Tpageobjpty Properties() const;
    void SetProperties(const Tpageobjpty& properties);
    const TObjectContext& context() const { return *context_; }

    // Adding: null for a code that makes no object and for a key when all
    // fourteen panel keys are taken. The limits of CanAddObject are the
    // caller's to check first.
    TLCDBlockObj* AddObject(int typeCode, std::int32_t x, std::int32_t y);
    // Appends an object made elsewhere (paste, copy, JSON); it becomes the top one.
    TLCDBlockObj* AppendObject(std::unique_ptr<TLCDBlockObj> object);
    // 0 when an object of the type may be added, 1 when the screen is full,
    // 2 when the register/bar graph/trend chart limit is reached.
    int CanAddObject(int typeCode) const;
    // The smallest panel key index no key of the screen uses, or -1.
    int FreeKeyIndex() const;
    // Gives a key the index and refits it; other objects are left alone.
    static void AssignKeyIndex(TLCDBlockObj& object, int keyIndex);
    int CountByType(int typeCode) const; // negative: all types
    int CountValueObjects() const;       // 415, 416 and 417 together

    TLCDBlockObj* ObjectAt(std::int32_t x, std::int32_t y) const;
    void SelectAll(bool selected);
    void SelectInRect(const TRect& dots);
    int CountSelected() const;
    TLCDBlockObj* FirstSelected() const;
    std::optional<TRect> SelectionBounds() const;
    int DeleteSelected();
    void MoveSelected(std::int32_t dx, std::int32_t dy);

    struct HandleHit
    {
        int code = -1; // -1 nothing selected, 0 no selected object hit, else HitTest's code
        TRect rect;    // the hit object's rectangle in dots
    };
    HandleHit HitTestSelected(const TPoint& pixel) const;

    void BringToFront();
    void SendToBack();
    // side: 0 left, 1 right, 2 top, 3 bottom.
    void Align(bool toScreen, int side);
    void Centre(bool vertical);
    void Distribute(bool vertical);
    void RenumberObjects();
    bool HasOverlaps() const;
    void Paint(QPainter& canvas) const;
    // The box of the static texts and bitmaps, its left and top at least 0.
    std::optional<TRect> TextAndBitmapBounds() const;

    // Replaces this screen's objects by copies of the source's.
    void CopyObjectsFrom(const Tpageobj& source);

    // Writes the screen record; objects that are missing or marked for
    // deletion are left out of the records and of their count.
    void SaveToStream(TBinaryWriter& out) const;
    // Reads the screen record, replacing number, texts, links and objects.
    // An unknown object type code raises EReadError: its record length is
    // unknown, so nothing after it could be read.
    void LoadFromStream(TBinaryReader& in);

    static bool IsObjectTypeCode(int typeCode) { return typeCode > 410 && typeCode <= 421; }

private:
    std::vector<TLCDBlockObj*> selectedObjects() const;
    void moveSelectedToEnd(bool selectedOnTop);

    std::shared_ptr<const TObjectContext> context_;
};
