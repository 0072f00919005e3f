#pragma once

#include <QByteArray>
#include <vector>

// The records one object adds to its screen: none (an empty static text),
// one, or two (a register followed by its unit texts).
struct TEncodedObject
{
    std::vector<QByteArray> records;
    bool usesPassword = false; // a key or an input asks for the panel password
};
