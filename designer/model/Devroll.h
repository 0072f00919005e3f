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
};
