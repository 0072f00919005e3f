#include "BuiltinAlarmModel.h"

#include <initializer_list>
#include <map>
#include <utility>

namespace {

// Part notation of the tables below: a shown part is dec, hex or oct with its
// range; a hidden part still reports a range, and some report themselves
// enabled although the dialog never shows them.
PartDescriptor shown(std::int32_t max, std::uint8_t hex = 0, std::int32_t radix = 0)
{
    PartDescriptor p;
    p.enabled = 1;
    p.visible = 1;
    p.hex = hex;
    p.max = max;
    p.radix = radix;
    return p;
}

PartDescriptor dec(std::int32_t max)
{
    return shown(max);
}

PartDescriptor hex(std::int32_t max)
{
    return shown(max, 1);
}

PartDescriptor oct(std::int32_t max)
{
    return shown(max, 0, 3);
}

PartDescriptor decFrom1(std::int32_t max) // range 1 to max, default 1
{
    PartDescriptor p = dec(max);
    p.min = 1;
    p.def = 1;
    return p;
}

PartDescriptor hidden(std::int32_t max, std::uint8_t hex = 0, std::uint8_t enabled = 0)
{
    PartDescriptor p;
    p.enabled = enabled;
    p.hex = hex;
    p.max = max;
    return p;
}

PartDescriptor hiddenHex(std::int32_t max)
{
    return hidden(max, 1);
}

PartDescriptor hiddenHexEnabled(std::int32_t max)
{
    return hidden(max, 1, 1);
}

AddressDescriptor parts(const PartDescriptor& add1, const PartDescriptor& add2 = {})
{
    AddressDescriptor d;
    d.parts[0] = add1;
    d.parts[1] = add2;
    return d;
}

// 4294967295, handed out as the 32-bit value with all bits set.
constexpr std::int32_t allBits = -1;

using Type = BuiltinAlarmModel::Type;

BuiltinAlarmModel model(std::int32_t count, std::vector<Type> types, QByteArray otherCaption = "M")
{
    BuiltinAlarmModel m;
    m.count = count;
    m.types = std::move(types);
    m.otherCaption = std::move(otherCaption);
    return m;
}

std::map<int, BuiltinAlarmModel> makeTable()
{
    std::map<int, BuiltinAlarmModel> t;
    const auto add = [&t](std::initializer_list<int> codes, const BuiltinAlarmModel& m) {
        for (int code : codes)
            t[code] = m;
    };
    const auto hiddenNibble = parts(dec(65535), hiddenHex(15));
    const auto enabledNibble = parts(dec(65535), hiddenHexEnabled(15));
    const auto fileParts = parts(dec(9999), hex(15));

    add({0}, model(1, {{"R", parts(hex(511))}}));
    add({1}, model(-1, {{"M", parts(dec(9999))}})); // the list offers no types
    add({2}, model(1, {{"M", parts(dec(9999))}}));
    add({3}, model(1, {{"M", parts(dec(9999), dec(7))}}));
    add({4}, model(1, {{"R", parts(dec(9999), hex(15))}}));
    add({5}, model(1, {{"IR", parts(dec(4095), hex(15))}}));
    add({6, 7, 14, 15}, model(1, {{"M", parts(dec(9999), hidden(15))}}));
    add({8, 9}, model(1, {{"M", parts(oct(4095), hidden(15))}}));
    add({10}, model(2, {{"0x", hiddenNibble}, {"1x", hiddenNibble}}, "1x"));
    add({11}, model(2, {{"0x", enabledNibble}, {"1x", enabledNibble}}, "1x"));
    add({12, 13}, model(2, {{"M", enabledNibble}, {"M", parts(dec(65535), hex(15))}}));
    add({16}, model(6, {{"B3", fileParts},
                        {"B9", fileParts},
                        {"B10", fileParts},
                        {"B11", fileParts},
                        {"B12", fileParts},
                        {"B13", fileParts}}));
    add({17}, model(1, {{"M", parts(dec(7999), hiddenHex(15))}}));
    add({18}, model(2, {{"M", parts(dec(65535))}, {"R", parts(dec(65535))}}, "R"));
    add({19}, model(1, {{"M", parts(dec(allBits))}}));
    add({20}, model(2, {{"M", parts(dec(1999))}, {"SM", parts(dec(255))}}, "SM"));
    add({125}, model(4, {{"B", parts(decFrom1(9999))},
                         {"I", parts(decFrom1(9999))},
                         {"Q", parts(decFrom1(9999))},
                         {"M", parts(decFrom1(9999))}}));
    return t;
}

} // namespace

const BuiltinAlarmModel* BuiltinAlarmModel::find(int code)
{
    static const std::map<int, BuiltinAlarmModel> table = makeTable();
    const auto it = table.find(code);
    return it == table.end() ? nullptr : &it->second;
}

QByteArray BuiltinAlarmModel::caption(int typeIndex) const
{
    return listed(typeIndex) ? types[size_t(typeIndex)].caption : otherCaption;
}

// Indexes past the list (and negative ones) take the last listed type's parts:
// the models decide the parts by "type 0 or not" at most.
const AddressDescriptor& BuiltinAlarmModel::parts(int typeIndex) const
{
    return listed(typeIndex) ? types[size_t(typeIndex)].parts : types.back().parts;
}
