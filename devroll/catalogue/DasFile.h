#pragma once

#include "TZd740drive.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>

// The ".das" catalogue file: one TZd740drive per file, little-endian, texts
// as uint16 length + GBK bytes + one zero byte, behind two filler blocks that
// carry nothing. There is no magic number, version or checksum, so the
// reader checks what it can: every count and length against the bytes left,
// and the zero byte after every text.
class DasFile
{
public:
    enum class Outcome
    {
        Complete,   // every field read
        Missing,    // no such file: the record keeps its defaults (Modified stays set)
        Unread,     // first filler count outside 100 to 499: defaults only
        EndsEarly,  // the file ends inside a field, a text, a filler block or a type list:
                    // that field and every later one keep their defaults
        Damaged,    // a value no writer produces (negative count, caption count not 3,
                    // text without its zero byte): the record is left as it was
        OpenFailed, // the file could not be opened or is far too large
    };

    struct ReadResult
    {
        Outcome outcome = Outcome::Complete;
        qint64 offset = 0; // where reading stopped
        QString field;     // the field being read there ("BitTypes[1].Name")
        QString message;   // for people: file, byte, field and what is wrong; empty when complete
        // Whether the record holds what was read (kept in the catalogue, with
        // message as a warning unless Complete).
        bool kept() const
        {
            return outcome == Outcome::Complete || outcome == Outcome::Unread ||
                   outcome == Outcome::EndsEarly;
        }
    };

    struct WriteResult
    {
        bool ok = false;
        QString error; // names the file
    };

    // Reads path into record, which should hold the defaults of a new record.
    // FilePath and DriveFile come from the path, Modified is cleared. When the
    // result is not kept(), record is left exactly as it was.
    static ReadResult read(const QString& path, TZd740drive& record);
    // The same from bytes already in memory; name only appears in messages.
    // FilePath and DriveFile are not touched.
    static ReadResult parse(const QByteArray& bytes, TZd740drive& record, const QString& name);

    // Writes record to path atomically (the old file stays until the new one
    // is complete). On success Reserved is 1.0, History.EditTime the time of
    // writing and Modified cleared; on failure record is unchanged.
    static WriteResult write(TZd740drive& record, const QString& path);
    // The file's bytes for record as it stands (Reserved and EditTime are not
    // touched), with filler drawn from random. Empty, with error set, when a
    // text is longer than the 65535 bytes a text can hold.
    static QByteArray encode(const TZd740drive& record, QRandomGenerator& random, QString* error = nullptr);

    // Files larger than this are not catalogue files; the reader refuses them
    // before reading anything.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
};
