#pragma once

#include <QByteArray>
#include <cstdint>

// The properties of a screen that the screen dialogs edit as one record.
struct Tpageobjpty
{
    QByteArray Description; // GBK
    std::int32_t ScreenNo = 0;
    std::int32_t UpScreen = 0;   // shown when the panel's up-arrow key is pressed
    std::int32_t DownScreen = 0; // shown on the down-arrow key

    friend bool operator==(const Tpageobjpty&, const Tpageobjpty&) = default;
};
