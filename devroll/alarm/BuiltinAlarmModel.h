#pragma once

#include "PartDescriptor.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

// The alarm list's address types of one built-in PLC model (codes 0 to 20 and
// 125): the count the list is told, the listed types, and what any other type
// index gets (the last listed type's parts under otherCaption).
class BuiltinAlarmModel
{
public:
    struct Type
    {
        QByteArray caption;
        AddressDescriptor parts;
    };

    std::int32_t count = 0; // may differ from types.size(): code 1 reports -1
    std::vector<Type> types;
    QByteArray otherCaption = "M";

    // The model of a built-in code, or null for a catalogue code.
    static const BuiltinAlarmModel* find(int code);

    QByteArray caption(int typeIndex) const;
    const AddressDescriptor& parts(int typeIndex) const;

private:
    bool listed(int typeIndex) const { return typeIndex >= 0 && typeIndex < int(types.size()); }
};
