#pragma once

#include "TObjectContext.h"
#include "TRect.h"

#include <QByteArray>
#include <QJsonObject>
#include <QSize>

#include <cstdint>
#include <memory>

class QPainter;
class TBinaryReader;
class TBinaryWriter;

// The base of every display object: geometry in panel dots, the type code,
// editor state and the common header of the object record.
//
// The virtual operations keep the panel tools' slot order: Assign, Paint,
// PaintBody, SaveToStream, LoadFromStream. Drawing lives in the render layer,
// which plugs in through ObjectPainter; this layer never draws itself.
class TLCDBlockObj
{
public:
    static constexpr std::int32_t PanelWidth = 192;
    static constexpr std::int32_t PanelHeight = 64;
    static constexpr double CurrentRecordVersion = 1.5;

    TLCDBlockObj(int typeCode, const TObjectContext& context);
    virtual ~TLCDBlockObj();
    TLCDBlockObj(const TLCDBlockObj&) = delete;
    TLCDBlockObj& operator=(const TLCDBlockObj&) = delete;

    double RecordVersion = 1.5;
    QByteArray ObjectId;
    double Zoom = 2.25;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t Width = 16;
    std::int32_t Height = 16;
    bool Selected = false;
    std::int32_t SpareWord = 0;
    std::int32_t TypeCode = 0;
    std::int32_t SeqNo = 0;
    bool DeleteMark = false;
    bool Simulating = false;

    // Copies the persistent fields of a source of the same type (not ObjectId).
    virtual void Assign(const TLCDBlockObj& source);
    virtual void Paint(QPainter& canvas);
    virtual void PaintBody(QPainter& canvas);
    // Appends the object record (RecordVersion is set to 1.5 first).
    virtual void SaveToStream(TBinaryWriter& out);
    // Reads the object record and rebuilds derived state; raises EReadError.
    virtual void LoadFromStream(TBinaryReader& in);

    // Every stored field under its own name, texts as UTF-8 (zd740 info/create).
    virtual void WriteJson(QJsonObject& json) const;
    // Fields missing from json keep their current values; a field of the wrong
    // kind raises EReadError naming it.
    virtual void ReadJson(const QJsonObject& json);

    const TObjectContext& context() const { return context_; }
    void setContext(const TObjectContext& context) { context_ = context; }

    void MoveTo(std::int32_t x, std::int32_t y);
    void SetWidthClamped(std::int32_t w);
    void SetHeightClamped(std::int32_t h);
    void MoveBy(std::int32_t dx, std::int32_t dy);
    // Edges included: [X, X+Width] x [Y, Y+Height].
    bool ContainsPoint(const TPoint& dot) const;
    // Handle code at a point in editor pixels: 0 outside or unselected, 1
    // inside, 11..18 the handles of bar graphs, trend charts and bitmaps.
    int HitTest(const TPoint& pixel) const;

    // Bar graphs, trend charts and bitmaps have eight resize handles.
    virtual bool HasResizeHandles() const { return false; }
    // The object's frame in editor pixels: (round(X·Zoom), round(Y·Zoom)) to
    // that corner plus (round(Width·Zoom), round(Height·Zoom)).
    TRect PixelRect() const;

protected:
    // Runs after SetWidthClamped changed Width (a trend chart keeps its dots inside).
    virtual void WidthChanged() {}

    TObjectContext context_;
};

// Creates the display object of a type code with its defaults for the
// context's PLC model; null for a code that makes no object (419, or outside
// 411..421).
std::unique_ptr<TLCDBlockObj> CreateObject(int typeCode, const TObjectContext& context);

// The size in dots of the frame the editor drags out for a new object of a
// type code (the bitmap's is the size of the last picture chosen); 0 x 0 for a
// code that makes no object.
QSize DefaultPlacementSize(int typeCode, const TObjectContext& context);
