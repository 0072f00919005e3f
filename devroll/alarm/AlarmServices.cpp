#include "AlarmServices.h"

#include "AlarmRowAddress.h"
#include "BuiltinAlarmModel.h"
#include "Catalogue.h"
#include "ObjectKinds.h"
#include "RadixText.h"

namespace {

using RadixText::dec;
using RadixText::hex32;
using RadixText::hex64;
using RadixText::oct;

// The catalogue bit type at the alarm list's typeIndex. Built-in codes never
// consult the catalogue, even when a record happens to carry their code.
const TdrivevalueL* catalogueType(int code, int typeIndex)
{
    if (BuiltinAlarmModel::find(code))
        return nullptr;
    const TZd740drive* record = Catalogue::instance().find(code);
    return record ? record->bitType(ObjectKind::AlarmList, typeIndex) : nullptr;
}

QByteArray plainM(const AlarmRowAddress& a)
{
    return "M" + dec(a.w);
}

QByteArray word16Text(const QByteArray& prefix, const AlarmRowAddress& a, const char* separator)
{
    return prefix + dec(a.w16) + separator + hex32(a.b16);
}

QByteArray builtinRowText(int code, const BuiltinAlarmModel& model, int typeIndex, const AlarmRowAddress& a)
{
    const bool first = typeIndex == 0;
    switch (code) {
    case 0:
        return "R" + hex64(a.w, 4);
    case 1:
        return (first ? "I" : "M") + dec(a.w);
    case 3:
        return "M" + dec(a.w8) + ". " + dec(a.b8);
    case 4:
        return word16Text("R", a, ". ");
    case 5:
        return word16Text("IR", a, ". ");
    case 8:
    case 9:
        return "M" + oct(a.w);
    case 10:
    case 11:
        return (first ? "0x/" : "1x/") + dec(a.w);
    case 12:
    case 13:
        return first ? "0x" + dec(a.w) : word16Text("4x", a, ". ");
    case 16: // the data file's caption, then word and bit
        return word16Text(model.caption(typeIndex) + ":", a, "/");
    case 18:
    case 20:
        return model.caption(typeIndex) + dec(a.w);
    case 125: // B addresses are written with at least three digits
        return model.caption(typeIndex) + dec(a.w, first ? 3 : 1);
    default: // 2, 6, 7, 14, 15, 17, 19
        return plainM(a);
    }
}

QByteArray catalogueRowText(const TdrivevalueL* type, const AlarmRowAddress& a)
{
    if (!type)
        return plainM(a);
    const QByteArray& s = type->Name;
    switch (type->AddrFormat) {
    case 1:
        return s + dec(a.w);
    case 2:
        return s + hex64(a.w);
    case 3:
        return s + oct(a.w);
    case 4: // a slash, although the editor's sample shows a point
        return s + dec(a.w16) + "/" + hex32(a.b16);
    case 5:
        return s + dec(a.w8) + "." + hex32(a.b8);
    case 6:
        return s + hex32(a.w16) + "." + hex32(a.b16);
    case 7:
        return s + oct(a.w8) + "." + oct(a.b8);
    case 8:
        return s + hex32(a.w8) + "." + hex32(a.b8);
    default:
        return plainM(a);
    }
}

} // namespace

namespace AlarmServices {

std::int32_t mcount(int code)
{
    if (const BuiltinAlarmModel* model = BuiltinAlarmModel::find(code))
        return model->count;
    const TZd740drive* record = Catalogue::instance().find(code);
    return record ? record->bitTypeCount(ObjectKind::AlarmList) : 0;
}

QByteArray mcaption(int code, int typeIndex)
{
    if (const BuiltinAlarmModel* model = BuiltinAlarmModel::find(code))
        return model->caption(typeIndex);
    const TdrivevalueL* type = catalogueType(code, typeIndex);
    return type ? type->Name : QByteArray("M");
}

QByteArray alarmCaption(int code, int typeIndex)
{
    if (code != 0)
        return mcaption(code, typeIndex);
    switch (typeIndex) {
    case 0:
        return "I";
    case 1:
        return "Q";
    default:
        return "M";
    }
}

AddressDescriptor mAddress(int code, int typeIndex)
{
    if (const BuiltinAlarmModel* model = BuiltinAlarmModel::find(code))
        return model->parts(typeIndex);
    const TdrivevalueL* type = catalogueType(code, typeIndex);
    return type ? AddressDescriptor::fromType(*type) : AddressDescriptor::neutral(9999);
}

std::int32_t rowMaxCount(int code, int typeIndex)
{
    if (code == 0)
        return 127;
    const TdrivevalueL* type = catalogueType(code, typeIndex);
    return type ? type->AlarmMaxRows : 200;
}

std::int32_t maxType(int code, int typeIndex)
{
    const TdrivevalueL* type = catalogueType(code, typeIndex);
    return type ? type->AlarmMaxMode : 200;
}

std::int32_t maxAddress(int code, int typeIndex, std::array<std::int32_t, 3>& out)
{
    const TdrivevalueL* type = catalogueType(code, typeIndex);
    if (!type)
        return -1;
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = std::int32_t(type->MaxAdd[i]);
    return 1;
}

QByteArray rowText(int code, int typeIndex, std::int64_t add1, std::int64_t add2, std::int64_t /*add3*/,
                   std::int32_t row)
{
    const AlarmRowAddress a = AlarmRowAddress::at(add1, add2, row);
    if (const BuiltinAlarmModel* model = BuiltinAlarmModel::find(code))
        return builtinRowText(code, *model, typeIndex, a);
    return catalogueRowText(catalogueType(code, typeIndex), a);
}

} // namespace AlarmServices
