#include "ClipboardFile.h"

#include "AppPaths.h"
#include "AtomicFile.h"
#include "EReadError.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"
#include "Tpageobj.h"

#include <QFile>

namespace {

constexpr int KeyType = 412;
constexpr qsizetype MaxClipboardBytes = 64 * 1024 * 1024;

bool isValueType(int typeCode)
{
    return typeCode == 415 || typeCode == 416 || typeCode == 417;
}

// Moves a pasted copy off its original: by step when there is room towards
// the far edge, else to the near edge when that is closer than step, else back.
std::int32_t offsetAway(std::int32_t at, std::int32_t size, std::int32_t step, std::int32_t panel)
{
    if (panel - at - size >= step)
        return at + step;
    if (at < step)
        return 0;
    return at - step;
}

} // namespace

QString ClipboardFile::path()
{
    return AppPaths::scratchFolder() + QStringLiteral("Clipboard.dat");
}

QByteArray ClipboardFile::encode(const Tpageobj& screen)
{
    const int count = screen.CountSelected();
    if (count == 0)
        return {};
    TBinaryWriter out;
    out.i32(screen.ScreenNo);
    out.i32(count);
    for (const auto& o : screen.Objects) {
        if (!o->Selected)
            continue;
        out.i32(o->TypeCode);
        o->SaveToStream(out);
    }
    return out.data();
}

bool ClipboardFile::Copy(const Tpageobj& screen)
{
    QFile::remove(path());
    const QByteArray bytes = encode(screen);
    return !bytes.isEmpty() && WriteFileAtomically(path(), bytes);
}

ClipboardFile::PasteResult ClipboardFile::Paste(Tpageobj& screen)
{
    QFile file(path());
    if (!file.exists())
        return {};
    if (file.size() > MaxClipboardBytes || !file.open(QIODevice::ReadOnly))
        return {Damaged, 0, path() + QStringLiteral(": cannot be read")};
    return decode(screen, file.readAll(), path());
}

ClipboardFile::PasteResult ClipboardFile::decode(Tpageobj& screen, const QByteArray& bytes,
                                                 const QString& source)
{
    PasteResult result;
    screen.SelectAll(false);
    TBinaryReader in(bytes, source);
    try {
        const std::int32_t from = in.i32("source screen number");
        const std::int32_t count = in.i32("object count");
        if (count <= 0 || std::int64_t(screen.Objects.size()) + count > Tpageobj::MaxObjects)
            return {DoesNotFit, 0, {}};
        for (std::int32_t i = 0; i < count; ++i) {
            const std::int32_t typeCode = in.i32("object type code");
            int keyIndex = -1;
            if (typeCode == KeyType && (keyIndex = screen.FreeKeyIndex()) < 0)
                return {NoFreeKey, result.pasted, {}};
            if (isValueType(typeCode) && screen.CountValueObjects() >= Tpageobj::MaxValueObjects)
                return {ValueLimit, result.pasted, {}};
            std::unique_ptr<TLCDBlockObj> object =
                Tpageobj::IsObjectTypeCode(typeCode) ? CreateObject(typeCode, screen.context()) : nullptr;
            // The record of an unknown type has no known length: nothing after it can be read.
            if (!object)
                in.fail(QStringLiteral("object %1 has the type code %2, which makes no object")
                            .arg(i + 1)
                            .arg(typeCode),
                        "object type code");
            object->LoadFromStream(in);
            object->TypeCode = typeCode;
            object->Selected = true;
            if (keyIndex >= 0)
                Tpageobj::AssignKeyIndex(*object, keyIndex);
            if (from == screen.ScreenNo) {
                object->X = offsetAway(object->X, object->Width, 6, Tpageobj::PanelWidth);
                object->Y = offsetAway(object->Y, object->Height, 4, Tpageobj::PanelHeight);
            }
            screen.AppendObject(std::move(object));
            ++result.pasted;
        }
    } catch (const EReadError& e) {
        return {Damaged, result.pasted, QString::fromStdString(e.what())};
    }
    result.code = result.pasted;
    return result;
}
