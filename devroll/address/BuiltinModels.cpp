#include "BuiltinModels.h"

#include "ObjectKinds.h"

#include <array>
#include <initializer_list>

namespace {

using namespace ObjectKind;

// A short list held in place, so that a table row can carry its types inline.
template <typename T, std::size_t N> struct InlineList
{
    constexpr InlineList() = default;
    constexpr InlineList(std::initializer_list<T> items)
    {
        for (const T& item : items)
            values[count++] = item; // more than N items does not compile
    }
    std::span<const T> span() const { return {values.data(), count}; }

    std::array<T, N> values{};
    std::size_t count = 0;
};

// Sets of codes and kinds as bit masks. Code 125 takes bit 21; every kind
// outside 411 to 420 shares bit 10, so "every other kind" can be written.
constexpr std::uint32_t codeBit(int code)
{
    if (code >= 0 && code <= 20)
        return 1u << code;
    return code == 125 ? 1u << 21 : 0u;
}

constexpr std::uint32_t codes(std::initializer_list<int> list)
{
    std::uint32_t mask = 0;
    for (int code : list)
        mask |= codeBit(code);
    return mask;
}

constexpr std::uint32_t kindBit(int kind)
{
    return kind >= Lamp && kind <= MessageDisplay ? 1u << (kind - Lamp) : 1u << 10;
}

constexpr std::uint32_t kinds(std::initializer_list<int> list)
{
    std::uint32_t mask = 0;
    for (int kind : list)
        mask |= kindBit(kind);
    return mask;
}

constexpr std::uint32_t anyKind = 0x7ff;
constexpr std::uint32_t bitKinds = kinds({Lamp, Key, AlarmList, MessageDisplay});
constexpr std::uint32_t wordKinds = kinds({Key, DynamicText, Register, BarGraph, TrendChart});
constexpr std::uint32_t displayKinds = kinds({DynamicText, Register, BarGraph, TrendChart});
constexpr std::uint32_t graphKinds = kinds({Register, BarGraph, TrendChart});

constexpr bool matches(std::uint32_t codeMask, std::uint32_t kindMask, int code, int kind)
{
    return (codeMask & codeBit(code)) != 0 && (kindMask & kindBit(kind)) != 0;
}

// Parts. A shown part is visible and editable; ranges and defaults are
// unsigned in the tables and handed out as int32 (4294967295 is all ones).
constexpr PartDescriptor shown(std::uint8_t hex, std::int32_t radix, std::uint32_t min, std::uint32_t max,
                               std::uint32_t def)
{
    return {1, 1, hex, std::int32_t(max), std::int32_t(min), std::int32_t(def), radix};
}
constexpr PartDescriptor dec(std::uint32_t max, std::uint32_t def = 0)
{
    return shown(0, 0, 0, max, def);
}
constexpr PartDescriptor decFrom(std::uint32_t min, std::uint32_t max, std::uint32_t def)
{
    return shown(0, 0, min, max, def);
}
constexpr PartDescriptor hex(std::uint32_t max)
{
    return shown(1, 0, 0, max, 0);
}
constexpr PartDescriptor oct(std::uint32_t max, std::uint32_t def = 0)
{
    return shown(0, 3, 0, max, def);
}
// Hidden and not editable, yet with a range the dialogs clamp against.
constexpr PartDescriptor hidden(std::uint32_t max)
{
    return {0, 0, 0, std::int32_t(max), 0, 0, 0};
}
// Some bit types of codes 10 to 13 hide add2 but report it enabled, in hexadecimal.
constexpr PartDescriptor hiddenEnabledHex(std::uint32_t max)
{
    return {1, 0, 1, std::int32_t(max), 0, 0, 0};
}
constexpr PartDescriptor none{};
constexpr std::uint32_t allOnes = 4294967295u;

constexpr CountDescriptor countEditable{1, 1, 2, 1};
constexpr CountDescriptor countFixed(std::int32_t def, std::int32_t max = 2)
{
    return {-1, def, max, 1};
}

using BitType = BuiltinModels::BitType;
using WordType = BuiltinModels::WordType;
using Model = BuiltinModels::Model;

constexpr std::uint8_t fixed = 0, editable = 1;
constexpr std::int32_t noParity = 0, odd = 1, even = 2;

// clang-format off
constexpr Model models[] = {
    // code, baud, data bits, stop bits, parity; station number editable, min, max, default; driver version
    {0,   38400, 8, 1, noParity, fixed,    0, 255,  1, 1.0},
    {1,   9600,  8, 1, noParity, fixed,    0, 255,  1, 1.0},
    {2,   9600,  7, 1, even,     fixed,    0, 9999, 1, 1.0},
    {3,   9600,  8, 1, even,     editable, 1, 126,  2, 1.0},
    {4,   9600,  8, 1, odd,      editable, 0, 254,  1, 1.0},
    {5,   9600,  7, 2, even,     editable, 0, 99,   0, 1.0},
    {6,   9600,  7, 1, even,     editable, 0, 254,  1, 1.0},
    {7,   19200, 7, 1, even,     editable, 0, 255,  0, 1.0},
    {8,   9600,  8, 1, odd,      editable, 1, 99,   1, 1.0},
    {9,   9600,  8, 1, odd,      editable, 1, 99,   1, 1.0},
    {10,  19200, 8, 1, even,     editable, 1, 255,  1, 1.0},
    {11,  19200, 7, 1, even,     editable, 1, 255,  1, 1.0},
    {12,  19200, 8, 1, even,     editable, 1, 255,  1, 1.1},
    {13,  19200, 7, 1, even,     editable, 1, 255,  1, 1.1},
    {14,  9600,  7, 1, even,     editable, 1, 254,  1, 1.0},
    {15,  19200, 8, 1, even,     editable, 1, 247,  1, 1.0},
    {16,  9600,  8, 1, noParity, fixed,    1, 247,  1, 1.0},
    {17,  19200, 8, 1, even,     editable, 0, 255,  1, 1.0},
    {18,  19200, 7, 1, even,     fixed,    0, 0,    0, 1.0},
    {19,  9600,  8, 1, noParity, editable, 0, 255,  1, 1.1},
    {20,  19200, 8, 1, even,     editable, 1, 247,  1, 1.0},
    {125, 9600,  8, 1, even,     fixed,    0, 255,  0, -1.0},
};
// clang-format on

struct BitRow
{
    std::uint32_t codes;
    std::uint32_t kinds;
    InlineList<BitType, 8> types;
    const char* missingCaption = "M";
};

// The first row matching code and kind answers; no row means no types.
constexpr BitRow bitRows[] = {
    {codes({0}), bitKinds, {{"R", hex(511)}}},
    {codes({1, 2}), bitKinds, {{"M", dec(9999)}}},
    {codes({3}), bitKinds, {{"M", dec(9999), dec(7)}}},
    {codes({4}), bitKinds, {{"R", dec(9999), hex(15)}}},
    {codes({5}), bitKinds, {{"IR", dec(4095), hex(15)}}},
    {codes({6, 7, 14, 15}), bitKinds, {{"M", dec(9999), hidden(15)}}},
    {codes({8, 9}), bitKinds, {{"M", oct(4095), hidden(15)}}},
    {codes({10}),
     kinds({Lamp}),
     {{"0X", dec(65535), hiddenEnabledHex(15)}, {"1X", dec(65535), hiddenEnabledHex(15)}}},
    {codes({10}), kinds({Key}), {{"0X", dec(65535), hiddenEnabledHex(15)}}},
    {codes({10}),
     kinds({AlarmList}),
     {{"0X", dec(65535), hiddenEnabledHex(15)}, {"1X", dec(65535), hex(15)}}},
    {codes({10}), kinds({MessageDisplay}), {{"M", dec(65535), hiddenEnabledHex(15)}}},
    {codes({11}), kinds({Lamp, AlarmList}), {{"0X", dec(65535)}, {"1X", dec(65535)}}},
    {codes({11}), kinds({Key}), {{"0X", dec(65535)}}},
    {codes({11}), kinds({MessageDisplay}), {{"M", dec(65535)}, {"M", dec(65535)}}},
    {codes({12, 13}),
     kinds({Lamp}),
     {{"0X", dec(65535), hiddenEnabledHex(15)},
      {"1X", dec(65535), hiddenEnabledHex(15)},
      {"3X", dec(65535), hex(15)},
      {"4X", dec(65535), hex(15)}}},
    {codes({12, 13}),
     kinds({Key, AlarmList}),
     {{"0X", dec(65535), hiddenEnabledHex(15)}, {"4X", dec(65535), hex(15)}}},
    {codes({12, 13}),
     kinds({MessageDisplay}),
     {{"M", dec(65535), hiddenEnabledHex(15)},
      {"M", dec(65535), hiddenEnabledHex(15)},
      {"M", dec(65535), hiddenEnabledHex(15)},
      {"M", dec(65535), hiddenEnabledHex(15)}}},
    {codes({16}),
     bitKinds,
     {{"B3", dec(9999), hex(15)},
      {"B9", dec(9999), hex(15)},
      {"B10", dec(9999), hex(15)},
      {"B11", dec(9999), hex(15)},
      {"B12", dec(9999), hex(15)},
      {"B13", dec(9999), hex(15)}}},
    {codes({17}), bitKinds, {{"M", dec(7999)}}},
    {codes({18}), bitKinds, {{"M", dec(65535)}, {"R", dec(65535)}}},
    {codes({19}), bitKinds, {{"M", dec(allOnes)}}},
    {codes({20}),
     bitKinds,
     {{"M", dec(9999)},
      {"SM", dec(9999)},
      {"Y", dec(9999)},
      {"X", dec(9999)},
      {"S", dec(9999)},
      {"T", dec(9999)},
      {"C", dec(9999)}}},
    {codes({125}),
     kinds({Lamp}),
     {{"B", decFrom(1, 130, 1)},
      {"I", decFrom(1, 24, 1)},
      {"Q", decFrom(1, 16, 1)},
      {"M", decFrom(1, 24, 1)}}},
    // A function key cannot be bound to a bit on this model; the key dialog
    // still asks for a caption and shows three blanks.
    {codes({125}), kinds({Key}), {}, "   "},
    {codes({125}), kinds({AlarmList}), {{"B", decFrom(1, 130, 1)}}},
    {codes({125}), kinds({MessageDisplay}), {{"M", decFrom(1, 130, 1)}}},
};

struct WordRow
{
    std::uint32_t codes;
    std::uint32_t kinds;
    InlineList<WordType, 8> types;
};

// Word types: caption, add1, add2, register count. Code 125 has none. Of
// codes 10 to 13, 10 and 12 report a hidden add2 range 0 to 15, 11 and 13 none.
constexpr WordRow wordRows[] = {
    {codes({0}), wordKinds, {{"D", hex(65535), none, countFixed(1, 1)}}},
    {codes({1, 2}), wordKinds, {{"D", dec(9999), none, countEditable}}},
    {codes({6, 7}), wordKinds, {{"D", dec(9999), hidden(15), countEditable}}},
    {codes({3}), kinds({Key, DynamicText}), {{"VW", dec(9999), none, countFixed(1)}}},
    {codes({3}),
     graphKinds,
     {{"VW", dec(9999), hidden(7), countFixed(1)}, {"VD", dec(9999), hidden(7), countFixed(2)}}},
    {codes({4}), wordKinds, {{"DT", dec(9999), hidden(15), countEditable}}},
    {codes({5}), wordKinds, {{"DM", dec(9999, 16), hidden(15), countEditable}}},
    {codes({8, 9}), wordKinds, {{"R", oct(4095, 2000), hidden(15), countEditable}}},
    {codes({10}), kinds({Key}), {{"4x", dec(65535), hidden(15), countEditable}}},
    {codes({10}),
     displayKinds,
     {{"4x", dec(65535), hidden(15), countEditable}, {"3x", dec(65535), hidden(15), countEditable}}},
    {codes({11}), kinds({Key}), {{"4x", dec(65535), none, countEditable}}},
    {codes({11}),
     displayKinds,
     {{"4x", dec(65535), none, countEditable}, {"3x", dec(65535), none, countEditable}}},
    {codes({12}),
     kinds({Key}),
     {{"4x", dec(65535), hidden(15), countEditable},
      {"5x", dec(65535), hidden(15), countEditable},
      {"6x", dec(65535), hidden(15), countEditable}}},
    {codes({12}),
     displayKinds,
     {{"3x", dec(65535), hidden(15), countEditable},
      {"4x", dec(65535), hidden(15), countEditable},
      {"5x", dec(65535), hidden(15), countEditable},
      {"6x", dec(65535), hidden(15), countFixed(1, 1)}}},
    {codes({13}),
     kinds({Key}),
     {{"4x", dec(65535), none, countEditable},
      {"5x", dec(65535), none, countEditable},
      {"6x", dec(65535), none, countEditable}}},
    {codes({13}),
     displayKinds,
     {{"3x", dec(65535), none, countEditable},
      {"4x", dec(65535), none, countEditable},
      {"5x", dec(65535), none, countEditable},
      {"6x", dec(65535), none, countFixed(1, 1)}}},
    {codes({14}),
     wordKinds,
     {{"R", dec(9999), hidden(15), countEditable}, {"D", dec(9999), hidden(15), countEditable}}},
    {codes({15}), wordKinds, {{"MW", dec(9999), none, countEditable}}},
    {codes({16}),
     wordKinds,
     {{"N7", dec(9999), none, countEditable},
      {"N9", dec(9999), none, countEditable},
      {"N10", dec(9999), none, countEditable},
      {"N11", dec(9999), none, countEditable},
      {"N12", dec(9999), none, countEditable},
      {"N13", dec(9999), none, countEditable},
      {"N14", dec(9999), none, countEditable},
      {"N15", dec(9999), none, countEditable}}},
    {codes({17}), wordKinds, {{"D", dec(7999), none, countEditable}}},
    {codes({18}),
     wordKinds,
     {{"WM", dec(65535), none, countEditable}, {"WR", dec(65535), none, countEditable}}},
    {codes({19}),
     kinds({Key, DynamicText}),
     {{"B", dec(allOnes), none, countFixed(1)}, {"W", dec(allOnes), none, countFixed(1)}}},
    {codes({19}),
     graphKinds,
     {{"B", dec(allOnes), none, countFixed(1)},
      {"W", dec(allOnes), none, countFixed(1)},
      {"DW", dec(allOnes), none, countFixed(2)}}},
    {codes({20}),
     kinds({Key}),
     {{"D", dec(9999), none, countEditable},
      {"SD", dec(9999), none, countEditable},
      {"Z", dec(9999), none, countFixed(1)},
      {"T", dec(9999), none, countFixed(1)},
      {"C", dec(9999), none, countFixed(1)},
      {"C_double", decFrom(200, 255, 200), none, countFixed(1)}}},
    {codes({20}),
     displayKinds,
     {{"D", dec(9999), none, countEditable},
      {"SD", dec(9999), none, countEditable},
      {"Z", dec(9999), none, countFixed(1)},
      {"T", dec(9999), none, countFixed(1)},
      {"C", dec(9999), none, countFixed(1)},
      {"C_double", decFrom(200, 255, 200), none, countFixed(2)}}},
};

// GetMaddress1code: for a selector, the area code of each type index in
// turn; type indexes past the list keep the selector.
struct AreaRule
{
    std::uint32_t codes;
    std::uint32_t kinds;
    std::int32_t selector;
    InlineList<std::int32_t, 8> areas;
};

constexpr std::uint32_t otherKinds = anyKind & ~bitKinds;

constexpr AreaRule areaRules[] = {
    {codes({10, 11, 17}), anyKind, 0, {0, 1}},
    {codes({10, 11, 17}), anyKind, 1, {4, 3}},
    {codes({12, 13}), kinds({Lamp, MessageDisplay}), 0, {0, 1, 3, 4}},
    {codes({12, 13}), kinds({Lamp, MessageDisplay}), 1, {3, 4, 5, 6}},
    {codes({12, 13}), kinds({Key}), 0, {0, 4}},
    {codes({12, 13}), kinds({Key}), 1, {4, 5, 6}},
    {codes({12, 13}), kinds({AlarmList}), 0, {0, 4}},
    {codes({12, 13}), kinds({AlarmList}), 1, {3, 4, 5, 6}},
    {codes({12, 13}), otherKinds, 1, {3, 4, 5, 6}},
    {codes({16}), anyKind, 0, {3, 9, 10, 11, 12, 13}},
    {codes({16}), anyKind, 1, {7, 9, 10, 11, 12, 13, 14, 15}},
};

// Code 20 sends a bit address as the selector plus the base of its area.
constexpr std::int32_t code20AreaBase[] = {2000, 4400, 0, 1200, 6000, 8000, 9200};

template <typename Row> const Row* findRow(std::span<const Row> rows, int code, int kind)
{
    for (const Row& row : rows)
        if (matches(row.codes, row.kinds, code, kind))
            return &row;
    return nullptr;
}

bool inRange(int index, std::size_t size)
{
    return index >= 0 && std::size_t(index) < size;
}

} // namespace

const BuiltinModels::Model* BuiltinModels::model(int code)
{
    for (const Model& m : models)
        if (m.code == code)
            return &m;
    return nullptr;
}

std::span<const BuiltinModels::BitType> BuiltinModels::bitTypes(int code, int kind)
{
    const BitRow* row = findRow<BitRow>(bitRows, code, kind);
    return row ? row->types.span() : std::span<const BitType>{};
}

std::span<const BuiltinModels::WordType> BuiltinModels::wordTypes(int code, int kind)
{
    const WordRow* row = findRow<WordRow>(wordRows, code, kind);
    return row ? row->types.span() : std::span<const WordType>{};
}

const char* BuiltinModels::missingBitCaption(int code, int kind)
{
    const BitRow* row = findRow<BitRow>(bitRows, code, kind);
    return row ? row->missingCaption : "M";
}

bool BuiltinModels::valueEditable(int code, int typeIndex)
{
    // The input registers (3x) are read-only: index 1 on 10 and 11, index 0
    // on 12 and 13. The panel goes by the index alone, so the first key type
    // on 12 and 13 (4x) is read-only as well.
    if (code == 10 || code == 11)
        return typeIndex != 1;
    if (code == 12 || code == 13)
        return typeIndex != 0;
    // Code 125 offers no word types, so no register can accept input.
    return code != 125;
}

std::int64_t BuiltinModels::valueWidth(int code, int typeIndex, std::int64_t count)
{
    if (code == 19) {
        constexpr std::int64_t widths[] = {8, 16, 32}; // B, W, DW
        return inRange(typeIndex, std::size(widths)) ? widths[typeIndex] : 8;
    }
    return 16 * count;
}

std::int32_t BuiltinModels::areaCode(int code, int kind, int typeIndex, std::int32_t selector)
{
    if (code == 20 && (kindBit(kind) & bitKinds) != 0) {
        if (!inRange(typeIndex, std::size(code20AreaBase)))
            return selector;
        // Wraps like the panel's 32-bit arithmetic instead of overflowing.
        return std::int32_t(std::uint32_t(selector) + std::uint32_t(code20AreaBase[typeIndex]));
    }
    for (const AreaRule& rule : areaRules) {
        if (rule.selector != selector || !matches(rule.codes, rule.kinds, code, kind))
            continue;
        const std::span<const std::int32_t> areas = rule.areas.span();
        return inRange(typeIndex, areas.size()) ? areas[std::size_t(typeIndex)] : selector;
    }
    return selector;
}

std::int32_t BuiltinModels::registerCode(int code, int typeIndex, std::uint32_t address)
{
    if (code != 20)
        return std::int32_t(address);
    // D, SD, Z, T and C share one register space, each from its own base.
    constexpr std::uint32_t bases[] = {0, 8000, 8500, 9000, 9500};
    if (inRange(typeIndex, std::size(bases)))
        return std::int32_t(address + bases[typeIndex]);
    if (typeIndex != 5)
        return std::int32_t(address);
    // C_double counters 200 to 255 take two registers each from 9700.
    if (address < 200)
        return std::int32_t(9700 + 2 * address);
    if (address <= 255)
        return std::int32_t(9700 + 2 * (address - 200));
    return 9700;
}
