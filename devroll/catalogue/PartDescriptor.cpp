#include "PartDescriptor.h"

AddressDescriptor AddressDescriptor::fromType(const Tdriveitem& type)
{
    AddressDescriptor d;
    for (size_t i = 0; i < 3; ++i) {
        const Tdrivepart& p = type.Parts[i];
        PartDescriptor& out = d.parts[i];
        out.enabled = i == 0 ? 1 : p.Editable;
        out.visible = i == 0 ? 1 : p.Visible;
        out.hex = p.Radix == 1 ? 1 : 0;
        out.radix = p.Radix == 2 ? 3 : 0;
        out.max = std::int32_t(p.MaxValue);
        out.min = std::int32_t(p.MinValue);
        out.def = std::int32_t(p.DefValue);
    }
    return d;
}

AddressDescriptor AddressDescriptor::neutral(std::int32_t add1Max)
{
    AddressDescriptor d;
    d.parts[0].enabled = 1;
    d.parts[0].visible = 1;
    d.parts[0].max = add1Max;
    return d;
}
