#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Reads the little-endian values of a project or clipboard file from memory.
// Every read is checked against what remains: reading past the end, a string
// longer than the rest of the file or a seek outside it raises EReadError
// naming the offset and the field, so no count in a damaged file can cause a
// huge allocation or a read out of bounds.
class TBinaryReader
{
public:
    explicit TBinaryReader(QByteArray data, QString source = {});

    std::uint8_t u8(const char* field);
    bool boolean(const char* field) { return u8(field) != 0; }
    std::uint16_t u16(const char* field);
    std::int32_t i32(const char* field);
    std::int64_t i64(const char* field);
    double f64(const char* field);
    QByteArray bytes(qsizetype count, const char* field);
    void skip(qsizetype count, const char* field);
    // A u16 byte count, the bytes, and one zero byte not counted.
    QByteArray string(const char* field);
    // A count that is about to size a list of records each at least
    // minRecordBytes long: negative counts and counts that cannot fit in the
    // remaining bytes raise EReadError.
    std::int32_t count(const char* field, qsizetype minRecordBytes);

    qsizetype pos() const { return pos_; }
    qsizetype size() const { return data_.size(); }
    qsizetype remaining() const { return data_.size() - pos_; }
    // Moves to an absolute position; only forward (or staying), never past the end.
    void seekForward(qsizetype position, const char* field);
    const QByteArray& data() const { return data_; }

    [[noreturn]] void fail(const QString& what, const char* field) const;

private:
    const char* take(qsizetype count, const char* field);

    QByteArray data_;
    QString source_;
    qsizetype pos_ = 0;
};
