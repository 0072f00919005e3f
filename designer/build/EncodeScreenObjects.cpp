#include "EncodeScreenObjects.h"

#include "EncodeBarGraph.h"
#include "EncodeBitmap.h"
#include "EncodeFunctionKey.h"
#include "EncodeLamp.h"
#include "EncodeMessageDisplay.h"
#include "EncodeRegister.h"
#include "EncodeStateText.h"
#include "EncodeStaticText.h"
#include "EncodeTimeDisplay.h"
#include "EncodeTrendChart.h"
#include "LogWriters.h"
#include "MergeDotRecords.h"
#include "TLcdBZTU.h"
#include "TLcdBitmap.h"
#include "TLcdDText.h"
#include "TLcdFText.h"
#include "TLcdKey.h"
#include "TLcdLight.h"
#include "TLcdLightDtext.h"
#include "TLcdText.h"
#include "TLcdTimepiece.h"
#include "Tlcdqushitu.h"
#include "Tpageobj.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {

constexpr int PackCodeTrace = 1;
constexpr int BitmapType = 418;
constexpr int StaticTextType = 413;
constexpr std::array<int, 10> KindOrder{411, 415, 414, 416, 417, 412, 418, 413, 420, 421};
// Above this many bytes of picture records the panel cannot show them apart.
constexpr int MaxPictureRecordBytes = 1603;

bool isPicture(int typeCode)
{
    return typeCode == BitmapType || typeCode == StaticTextType;
}

// A copy of the object as the panel gets it: never left of or above the panel.
std::unique_ptr<TLCDBlockObj> panelCopy(const TLCDBlockObj& object)
{
    std::unique_ptr<TLCDBlockObj> copy = CreateObject(object.TypeCode, object.context());
    copy->Assign(object);
    // Assign refits some kinds to the panel; the record describes the object
    // as it stands, so its geometry and text come back as they were.
    copy->Width = object.Width;
    copy->Height = object.Height;
    if (auto* text = dynamic_cast<TLcdText*>(copy.get()))
        text->Text = static_cast<const TLcdText&>(object).Text;
    copy->X = std::max(object.X, 0);
    copy->Y = std::max(object.Y, 0);
    return copy;
}

TEncodedObject encode(TLCDBlockObj& o, const TEncodeContext& c)
{
    switch (o.TypeCode) {
    case 411:
        return EncodeLamp(static_cast<const TLcdLight&>(o), c);
    case 412:
        return EncodeFunctionKey(static_cast<const TLcdKey&>(o), c);
    case 413:
        return EncodeStaticText(static_cast<const TLcdText&>(o), c);
    case 414:
        return EncodeStateText(static_cast<const TLcdDText&>(o), c);
    case 415:
        return EncodeRegister(static_cast<const TLcdFText&>(o), c);
    case 416:
        return EncodeBarGraph(static_cast<const TLcdBZTU&>(o), c);
    case 417:
        return EncodeTrendChart(static_cast<const Tlcdqushitu&>(o), c);
    case 418:
        return EncodeBitmap(static_cast<const TLcdBitmap&>(o), c);
    case 420:
        return EncodeMessageDisplay(static_cast<TLcdLightDtext&>(o), c);
    case 421:
        return EncodeTimeDisplay(static_cast<const TLcdTimepiece&>(o), c);
    default:
        return {};
    }
}

TRect pictureBounds(const std::vector<std::unique_ptr<TLCDBlockObj>>& pictures)
{
    TRect box{TLCDBlockObj::PanelWidth, TLCDBlockObj::PanelHeight, 0, 0};
    for (const auto& o : pictures) {
        box.Left = std::min(box.Left, o->X);
        box.Top = std::min(box.Top, o->Y);
        box.Right = std::max(box.Right, o->X + o->Width);
        box.Bottom = std::max(box.Bottom, o->Y + o->Height);
    }
    box.Left = std::max(box.Left, 0);
    box.Top = std::max(box.Top, 0);
    return box;
}

void traceRecords(int typeCode, const std::vector<QByteArray>& records)
{
    for (const QByteArray& record : records) {
        AppendTrace(PackCodeTrace, QStringLiteral("Blocktype = %1 :").arg(typeCode));
        AppendTrace(PackCodeTrace, HexBytesText(record));
    }
}

} // namespace

TEncodedObject EncodeScreenObjects(const Tpageobj& screen, const TEncodeContext& context,
                                   const ProjectProgress& progress)
{
    TEncodedObject result;
    std::vector<QByteArray> pictureRecords;
    std::vector<std::unique_ptr<TLCDBlockObj>> pictures;
    int pictureBytes = 0;
    std::size_t pictureAt = 0; // where unmerged pictures go: after the keys
    for (const int kind : KindOrder) {
        if (kind == BitmapType)
            pictureAt = result.records.size();
        for (const auto& object : screen.Objects) {
            if (object->TypeCode != kind || object->DeleteMark)
                continue;
            std::unique_ptr<TLCDBlockObj> copy = panelCopy(*object);
            const TEncodedObject encoded = encode(*copy, context);
            progress.step();
            if (context.packTraces)
                traceRecords(kind, encoded.records);
            result.usesPassword = result.usesPassword || encoded.usesPassword;
            auto& target = isPicture(kind) ? pictureRecords : result.records;
            for (const QByteArray& record : encoded.records) {
                target.push_back(record);
                if (isPicture(kind))
                    pictureBytes += int(record.size());
            }
            if (isPicture(kind))
                pictures.push_back(std::move(copy));
        }
    }
    const bool merge =
        pictures.size() > 1 && (screen.ScreenSpare == 1 || pictureBytes > MaxPictureRecordBytes);
    if (!merge) {
        result.records.insert(result.records.begin() + std::ptrdiff_t(pictureAt), pictureRecords.begin(),
                              pictureRecords.end());
        return result;
    }
    const QByteArray merged = MergeDotRecords(pictureRecords, pictureBounds(pictures));
    if (!merged.isEmpty())
        result.records.push_back(merged);
    return result;
}
