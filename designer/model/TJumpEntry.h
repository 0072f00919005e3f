#pragma once

#include <cstdint>

// One row of the value-selected screen jumps: when the jump word equals
// JumpValue the panel shows screen JumpTarget. The panel tools keep a
// 16-byte row of which only these two values are used and stored.
struct TJumpEntry
{
    std::int32_t JumpValue = 0;
    std::int32_t JumpTarget = 0;

    static constexpr int RecordBytes = 8;

    friend bool operator==(const TJumpEntry&, const TJumpEntry&) = default;
};
