#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <bit>
#include <cstdint>
#include <type_traits>

// Walks the bytes of a catalogue file front to back, one little-endian field
// at a time. Any read the bytes cannot satisfy throws a Stop that names the
// field and the byte where the trouble lies; nothing is returned then, so the
// caller's field keeps the value it had.
class DasCursor
{
public:
    enum class Problem
    {
        EndsEarly, // the file ends before the field does
        Damaged,   // the value cannot come from any writer of these files
    };

    struct Stop
    {
        Problem problem = Problem::EndsEarly;
        qint64 offset = 0;
        QString field;
        QString detail;
    };

    explicit DasCursor(const QByteArray& bytes) : bytes_(bytes) {}

    qint64 offset() const { return pos_; }
    qint64 remaining() const { return bytes_.size() - pos_; }

    // Field names in messages are prefix + name ("BitTypes[2]." + "Code").
    void setPrefix(const QString& prefix) { prefix_ = prefix; }

    // An integer or a 64-bit float.
    template <typename T> T number(const char* name)
    {
        static_assert(std::is_arithmetic_v<T>);
        const char* at = take(qint64(sizeof(T)), name);
        if constexpr (std::is_same_v<T, double>) {
            return std::bit_cast<double>(qFromLittleEndian<quint64>(at));
        } else {
            return qFromLittleEndian<T>(at);
        }
    }

    // A text: uint16 length N, N bytes, one zero byte.
    QByteArray text(const char* name);
    // count raw bytes.
    QByteArray bytes(qint64 count, const char* name);
    // Passes over count bytes (a filler block).
    void skip(qint64 count, const char* name);
    // A list length (int32) whose elements take at least minSize bytes each:
    // negative is damage; more elements than the remaining bytes can hold
    // means the file ends early.
    qint32 count(const char* name, qint64 minSize);

    [[noreturn]] void stop(Problem problem, qint64 offset, const char* name, const QString& detail) const;

private:
    // The next size bytes, or a Stop when fewer remain.
    const char* take(qint64 size, const char* name);

    const QByteArray& bytes_;
    qint64 pos_ = 0;
    QString prefix_;
};
