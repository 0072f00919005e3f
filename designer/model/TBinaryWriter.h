#pragma once

#include <QByteArray>

#include <cstdint>

// Builds the little-endian values of a project or clipboard file in memory;
// the caller writes the finished bytes to disk in one atomic step.
class TBinaryWriter
{
public:
    void u8(std::uint8_t v) { data_.append(char(v)); }
    void boolean(bool v) { u8(v ? 1 : 0); }
    void u16(std::uint16_t v);
    void i32(std::int32_t v);
    void i64(std::int64_t v);
    void f64(double v);
    void bytes(const QByteArray& b) { data_.append(b); }
    // Exactly count bytes: b cut or padded with zeros.
    void fixed(const QByteArray& b, qsizetype count);
    void zeros(qsizetype count) { data_.append(count, '\0'); }
    // A u16 byte count, the bytes, one zero byte. Texts longer than 65535
    // bytes are cut (without splitting a GBK character).
    void string(const QByteArray& text);
    // Overwrites an int32 written earlier at position at.
    void patchI32(qsizetype at, std::int32_t v);

    qsizetype pos() const { return data_.size(); }
    const QByteArray& data() const { return data_; }

private:
    QByteArray data_;
};
