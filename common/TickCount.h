#pragma once

#include <cstdint>

// Milliseconds since the system started, wrapping at 32 bits like the panel
// tools' tick count. Used for trace file numbers and object identities.
std::uint32_t GetTickCount();
