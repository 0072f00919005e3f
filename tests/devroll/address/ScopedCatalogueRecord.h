#pragma once

#include "Catalogue.h"
#include "ObjectKinds.h"

// A catalogue record for one test: added with the given PLC code and no
// types, removed again when the test ends, so the process-wide catalogue is
// left as it was found.
class ScopedCatalogueRecord
{
public:
    explicit ScopedCatalogueRecord(int code) : record_(Catalogue::instance().add())
    {
        record_->PlcID = code;
        record_->BitTypes.clear();
        record_->WordTypes.clear();
    }
    ~ScopedCatalogueRecord()
    {
        const auto& records = Catalogue::instance().records();
        for (std::size_t i = 0; i < records.size(); ++i)
            if (records[i].get() == record_) {
                Catalogue::instance().remove(int(i));
                return;
            }
    }
    ScopedCatalogueRecord(const ScopedCatalogueRecord&) = delete;
    ScopedCatalogueRecord& operator=(const ScopedCatalogueRecord&) = delete;

    TZd740drive* operator->() const { return record_; }

    // A bit type offered to the kinds whose flags are 1. The reference holds
    // until the next type is added.
    TdrivevalueL& addBitType(const QByteArray& name, std::uint8_t lamp, std::uint8_t key, std::uint8_t alarm)
    {
        TdrivevalueL type = TZd740drive::newBitType(name, int(record_->BitTypes.size()));
        type.ForLamp = lamp;
        type.ForKey = key;
        type.ForAlarm = alarm;
        record_->BitTypes.push_back(type);
        return record_->BitTypes.back();
    }

    // A word type offered to every word kind unless its flags are changed.
    // The reference holds until the next type is added.
    TdrivevalueD& addWordType(const QByteArray& name)
    {
        record_->WordTypes.push_back(TZd740drive::newWordType(name, int(record_->WordTypes.size())));
        return record_->WordTypes.back();
    }

private:
    TZd740drive* record_;
};
