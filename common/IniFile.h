#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A Windows-style INI file in GBK, read and written the way the panel tools
// always have: sections and keys compared without regard to case, keys may hold
// inner blanks (only the ends are trimmed), the first of duplicate sections or
// keys wins, a value is taken as it stands (no escapes, no splitting at commas;
// surrounding blanks and one pair of matching quotes removed, at most 2047
// bytes). Every call opens and closes the file; nothing is cached, and a write
// is on disk when it returns. Lines that start with ";" are comments.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }
    bool exists() const;

    // The raw GBK value, or nothing when the file, section or key is missing.
    std::optional<QByteArray> readBytes(const QString& section, const QString& key) const;
    // The value as text, or fallback when it is missing.
    QString readString(const QString& section, const QString& key, const QString& fallback = {}) const;
    // The value as an integer (decimal, "$" or "0x" hexadecimal), or fallback
    // when it is missing or not a number.
    int readInt(const QString& section, const QString& key, int fallback) const;

    // Replace the value of the first matching key, add the key at the end of
    // its section, or add the section at the end of the file; the file and its
    // folder are created when needed. The rest of the file is kept byte for
    // byte. Line breaks in the value become blanks, so a value cannot add keys.
    // Returns false with errorString() set when the file cannot be written.
    bool writeBytes(const QString& section, const QString& key, const QByteArray& value);
    bool writeString(const QString& section, const QString& key, const QString& value);
    bool writeInt(const QString& section, const QString& key, int value);

    QString errorString() const { return error_; }

    // The longest value a read returns, in bytes.
    static constexpr int MaxValueBytes = 2047;

private:
    QString path_;
    QString error_;
};
