#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <bit>
#include <cstdint>
#include <map>

// Assembles a catalogue file by hand, field by field, little-endian, so tests
// do not depend on the writer they check. mark() remembers where a field
// starts, for cutting the file there or patching it.
class DasBytes
{
public:
    DasBytes& mark(const QString& name)
    {
        marks_[name] = bytes_.size();
        return *this;
    }
    qsizetype at(const QString& name) const { return marks_.at(name); }

    DasBytes& u8(std::uint8_t v) { return raw(QByteArray(1, char(v))); }
    DasBytes& u16(std::uint16_t v) { return put(v); }
    DasBytes& i32(std::int32_t v) { return put(v); }
    DasBytes& u32(std::uint32_t v) { return put(v); }
    DasBytes& i64(std::int64_t v) { return put(v); }
    DasBytes& f64(double v) { return put(std::bit_cast<std::uint64_t>(v)); }
    DasBytes& text(const QByteArray& t)
    {
        u16(std::uint16_t(t.size()));
        raw(t);
        return u8(0);
    }
    DasBytes& raw(const QByteArray& b)
    {
        bytes_ += b;
        return *this;
    }

    const QByteArray& bytes() const { return bytes_; }

private:
    template <typename T> DasBytes& put(T v)
    {
        char buffer[sizeof(T)];
        qToLittleEndian(v, buffer);
        return raw(QByteArray(buffer, sizeof(T)));
    }

    QByteArray bytes_;
    std::map<QString, qsizetype> marks_;
};
