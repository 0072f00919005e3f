#pragma once

// Object kind codes as Designer passes them, and the selectors under which the
// catalogue encoders receive them.
namespace ObjectKind {
constexpr int Lamp = 411;
constexpr int Key = 412;
constexpr int DynamicText = 414;
constexpr int Register = 415;
constexpr int BarGraph = 416;
constexpr int TrendChart = 417;
constexpr int AlarmList = 419;
constexpr int MessageDisplay = 420;

// The kind behind a catalogue selector: bit selectors 0 lamp, 1 key, 6 alarm
// list; word selectors 1 key, 2 dynamic text, 3 register, 4 bar graph,
// 5 trend chart. 0 when the selector means nothing for the family.
constexpr int fromSelector(bool word, int selector)
{
    if (!word) {
        switch (selector) {
        case 0:
            return Lamp;
        case 1:
            return Key;
        case 6:
            return AlarmList;
        default:
            return 0;
        }
    }
    switch (selector) {
    case 1:
        return Key;
    case 2:
        return DynamicText;
    case 3:
        return Register;
    case 4:
        return BarGraph;
    case 5:
        return TrendChart;
    default:
        return 0;
    }
}
} // namespace ObjectKind
