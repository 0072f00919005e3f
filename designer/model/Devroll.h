#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// The model's door to devroll's C interface. Out-parameters come back as
// return values and texts are copied at once (devroll overwrites its text
// buffer on the next call). PLC codes are passed as ints; devroll sees their
// low byte where its interface takes a byte, as the editor always has.
class Devroll
{
public:
    using AddressParts = std::array<std::int32_t, 3>;

    struct StationRange
    {
        bool hex = false;
        bool editable = false;
        std::int32_t max = 0;
        std::int32_t min = 0;
        std::int32_t def = 0;
    };

    struct RegisterCount
    {
        bool editable = false;
        std::int32_t def = 1;
        std::int32_t max = 1;
        std::int32_t min = 1;
    };

    struct Communication
    {
        std::int32_t result = 0;
        std::int32_t baud = 9600;
        std::int32_t dataBits = 8;
        std::int32_t stopBits = 1;
        std::int32_t parity = 0;
        std::int32_t extra = 0;
    };

    struct ValueRange
    {
        std::int64_t min = 0;
        std::int64_t max = 0;
    };

    // Where a catalogue model puts its address in an object record
    // (Driver_PackAddress); applies only when result is above 0.
    struct PackedAddress
    {
        std::int32_t result = 0;
        std::uint8_t storeType = 0;
        std::uint8_t storeAdd1 = 0;
        std::uint8_t storeAdd2 = 0;
        std::uint8_t storeAdd3 = 0;
        std::uint8_t typeValue = 0;
        std::uint8_t sendType = 0;
        std::uint8_t sendPart2 = 0;
        std::uint8_t sendPart3 = 0;
        std::int32_t address = 0;
        std::int32_t part2 = 0; // left 0 when the model does not send it
        std::int32_t part3 = 0;
    };

    // The serial defaults of a model.
    static Communication Getcommunication(int plcCode);

    // The default station number of a new object.
    static std::int32_t block_GetPlcAddress(int plcCode);
    static StationRange GetPlcAddress(int plcCode);

    // The default address parts of a new bit object (lamp, key coil, message display).
    static AddressParts block_Getcreateaddress(int plcCode, int kind);
    // The default of one part (1..3) of a bit or a word address.
    static std::int32_t Get_Logic_defaultAdd123(int plcCode, int kind, int typeIndex, int part);
    static std::int32_t Get_NUM_defaultAdd123(int plcCode, int kind, int typeIndex, int part);
    // Get_NUM_defaultAdd123 for parts 1, 2 and 3.
    static AddressParts numericDefaultAddress(int plcCode, int kind, int typeIndex);

    static std::int32_t Get_Logic_count(int plcCode, int kind);
    static QByteArray Get_Logic_caption(int plcCode, int kind, int typeIndex);
    static std::int32_t Get_numeric_count(int plcCode, int kind);
    static QByteArray Get_numeric_caption(int plcCode, int kind, int typeIndex);

    static RegisterCount Get_numeric_regiers_deflaut(int plcCode, int kind, int typeIndex);
    static ValueRange Get_numeric_ValueMinMax(int plcCode, int kind, int typeIndex, int count,
                                              int numberFormat);
    // Whether registers of the model show unit texts.
    static bool GetFtext_postfixbool(int plcCode, int kind);

    // Scans the catalogue folder; the number of models offered.
    static std::int32_t Getokplccount();

    // The address type code byte of a bit or a word address in an object record.
    static std::uint8_t Pack_Logic_code(int plcCode, int kind, std::uint8_t addrType);
    static std::uint8_t Pack_numeric_code(int plcCode, int kind, std::uint8_t addrType);
    // The 16-bit address word of a bit area (selector) or of a register.
    static std::int32_t GetMaddress1code(int plcCode, int kind, int typeIndex, std::int32_t selector);
    static std::int32_t GetDaddress1code(int plcCode, int kind, int typeIndex, std::uint32_t address);
    // Catalogue models only; result 0 for the built-in ones.
    static PackedAddress Driver_PackAddress(int family, int plcCode, int role, int typeIndex,
                                            std::uint32_t add1, std::uint32_t add2, std::uint32_t add3);
    // Above 0: the register count the record carries instead of the object's.
    static std::int32_t Driver_PackDjcqcount(int family, int plcCode, int role, int typeIndex,
                                             std::uint32_t address);
};
