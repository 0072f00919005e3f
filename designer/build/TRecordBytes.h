#pragma once

#include "TEncodeContext.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class TLCDBlockObj;

// The style byte of a record: 1 for a (double size), 2 for b (reverse), 3 for both.
inline int StyleCode(bool a, bool b)
{
    return (a ? 1 : 0) | (b ? 2 : 0);
}

// One object record being written: block type, a length filled in by
// finish(), the object's Y and X, then the fields. Numbers are big-endian.
// Checked writers raise EEncodeError naming the screen and the object.
class TRecordBytes
{
public:
    TRecordBytes(int blockType, const TLCDBlockObj& object, const TEncodeContext& context);

    // Low byte, low 16 bits: fields whose width the record fixes.
    void u8(std::int64_t value);
    void u16(std::int64_t value);
    void append(const QByteArray& bytes);
    // A 16-bit number, signed or unsigned; anything else is an error.
    void int16(std::int64_t value, const char* field);
    // A 32-bit number, signed or unsigned; anything else is an error.
    void int32(std::int64_t value, const char* field);

    void setU8(int offset, std::int64_t value);
    void setU16(int offset, std::int64_t value);
    std::uint8_t at(int offset) const { return std::uint8_t(bytes_[offset]); }
    int size() const { return int(bytes_.size()); }

    // The record with its length; a record longer than 65535 bytes is an error.
    QByteArray finish();
    [[noreturn]] void fail(const QString& what) const;

    const TEncodeContext& context() const { return context_; }
    const TLCDBlockObj& object() const { return object_; }

private:
    QByteArray bytes_;
    const TLCDBlockObj& object_;
    const TEncodeContext& context_;
};
