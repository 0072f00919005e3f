#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// The parts of a catalogue record that describe one PLC address type. Texts
// are GBK bytes, as stored in the catalogue files.

// One address part (add1, add2 or add3) of a type.
struct Tdrivepart
{
    std::uint8_t Editable = 1;
    std::uint8_t Visible = 1;
    std::uint32_t MinValue = 0;
    std::uint32_t MaxValue = 65535;
    std::uint32_t DefValue = 0;
    std::uint8_t Radix = 0; // 0 decimal, 1 hexadecimal, 2 octal
    friend bool operator==(const Tdrivepart&, const Tdrivepart&) = default;
};

// The head shared by bit and word types.
struct Tdriveitem
{
    QByteArray Name;
    std::uint16_t Code = 0;
    std::uint8_t CodeIsIndex = 0;
    std::array<Tdrivepart, 3> Parts{};
    std::int32_t AddrFormat = 1;
    std::array<std::uint8_t, 4> StorePos{0, 1, 2, 3};
    std::uint8_t PackMode = 0;
    double FactorA = 1.0;
    double FactorB = 0.0;
    std::int32_t OffsetC = 0;
    friend bool operator==(const Tdriveitem&, const Tdriveitem&) = default;
};

// A bit address type.
struct TdrivevalueL : Tdriveitem
{
    std::int32_t AlarmMaxMode = 0; // 0 rows after the base, 1 a maximum address
    std::int32_t AlarmMaxRows = 200;
    std::array<std::uint32_t, 3> MaxAdd{65535, 0, 0};
    std::uint8_t ForLamp = 1;
    std::uint8_t ForKey = 1;
    std::uint8_t ForAlarm = 1;
    friend bool operator==(const TdrivevalueL&, const TdrivevalueL&) = default;
};

// A word address type.
struct TdrivevalueD : Tdriveitem
{
    std::uint8_t CountEditable = 1;
    std::uint8_t CountVisible = 1;
    std::uint8_t CountMin = 1;
    std::uint8_t CountMax = 2;
    std::uint8_t CountDefault = 1;
    std::int32_t DataBits = 16;
    std::uint8_t LimitEnabled = 0;
    std::uint32_t LimitAddress = 65535;
    std::int32_t LimitCount = 1;
    std::uint8_t ValueEditable = 1;
    std::uint8_t ValueSpare = 0;
    std::int64_t ValueMin = 0;
    std::int64_t ValueMax = 65535;
    std::int64_t ValueDefault = 0;
    std::uint8_t ForKey = 1;
    std::uint8_t ForDText = 1;
    std::uint8_t ForRegister = 1;
    std::uint8_t ForGraph = 1;
    friend bool operator==(const TdrivevalueD&, const TdrivevalueD&) = default;
};

// The edit history of a catalogue model.
struct Tlisirecord
{
    double Version = 1.0;
    QByteArray Editor;
    QByteArray EditTime; // "%d-%d-%d %d:%d:%d", no zero padding
    QByteArray Notes;
    friend bool operator==(const Tlisirecord&, const Tlisirecord&) = default;
};
