#include "IniFile.h"

#include "AtomicFile.h"
#include "GbkCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <vector>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

QByteArray trimmed(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin).toByteArray();
}

// ASCII-only case folding: GBK trail bytes may fall in the ASCII letter range
// and must not be folded when they follow a lead byte.
QByteArray foldCase(const QByteArray& bytes)
{
    QByteArray folded = bytes;
    for (qsizetype i = 0; i < folded.size(); ++i) {
        const auto b = static_cast<unsigned char>(folded[i]);
        if (GbkCodec::isLeadByte(b)) {
            ++i;
            continue;
        }
        if (b >= 'A' && b <= 'Z')
            folded[i] = char(b + ('a' - 'A'));
    }
    return folded;
}

struct Line
{
    enum Kind
    {
        Other,
        Section,
        Entry
    } kind = Other;
    QByteArray name; // folded section name or key
    QByteArray value;
    qsizetype begin = 0; // byte range of the line in the file, without its line break
    qsizetype end = 0;
};

Line parseLine(const QByteArray& text, qsizetype begin, qsizetype end)
{
    Line line;
    line.begin = begin;
    line.end = end;
    const QByteArray t = trimmed(QByteArrayView(text).sliced(begin, end - begin));
    if (t.startsWith('[')) {
        const qsizetype close = t.indexOf(']');
        line.kind = Line::Section;
        line.name = foldCase(trimmed(t.mid(1, close < 0 ? -1 : close - 1)));
    } else if (!t.startsWith(';')) {
        const qsizetype eq = t.indexOf('=');
        if (eq > 0) {
            line.kind = Line::Entry;
            line.name = foldCase(trimmed(t.left(eq)));
            line.value = trimmed(t.mid(eq + 1));
        }
    }
    return line;
}

std::vector<Line> parseLines(const QByteArray& text)
{
    std::vector<Line> lines;
    qsizetype begin = 0;
    while (begin < text.size()) {
        qsizetype end = text.indexOf('\n', begin);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        if (end > begin && text[end - 1] == '\r')
            --end;
        lines.push_back(parseLine(text, begin, end));
        begin = next;
    }
    return lines;
}

QByteArray unquoted(const QByteArray& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

QByteArray encoded(const QString& text)
{
    return GbkCodec::fromUnicode(text);
}

// Where a key lives in the parsed file.
struct Place
{
    qsizetype section = -1;       // index of the first matching section line
    qsizetype entry = -1;         // index of the first matching entry in it
    qsizetype lastInSection = -1; // index of the last non-blank line of that section
};

Place locate(const std::vector<Line>& lines, const QByteArray& section, const QByteArray& key,
             const QByteArray& text)
{
    Place place;
    for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
        const Line& line = lines[size_t(i)];
        if (line.kind == Line::Section) {
            if (place.section >= 0)
                break;
            if (line.name == section)
                place.section = place.lastInSection = i;
            continue;
        }
        if (place.section < 0)
            continue;
        if (!trimmed(QByteArrayView(text).sliced(line.begin, line.end - line.begin)).isEmpty())
            place.lastInSection = i;
        if (line.kind == Line::Entry && place.entry < 0 && line.name == key)
            place.entry = i;
    }
    return place;
}

QByteArray lineBreakOf(const QByteArray& text)
{
    const qsizetype lf = text.indexOf('\n');
    return lf > 0 && text[lf - 1] != '\r' ? QByteArray("\n") : QByteArray("\r\n");
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

bool IniFile::exists() const
{
    return QFileInfo(path_).isFile();
}

std::optional<QByteArray> IniFile::readBytes(const QString& section, const QString& key) const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.readAll();
    const std::vector<Line> lines = parseLines(text);
    const Place place =
        locate(lines, foldCase(trimmed(encoded(section))), foldCase(trimmed(encoded(key))), text);
    if (place.entry < 0)
        return std::nullopt;
    return GbkCodec::cutToBytes(unquoted(lines[size_t(place.entry)].value), MaxValueBytes);
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    const auto bytes = readBytes(section, key);
    return bytes ? GbkCodec::toUnicode(*bytes) : fallback;
}

int IniFile::readInt(const QString& section, const QString& key, int fallback) const
{
    const auto bytes = readBytes(section, key);
    if (!bytes)
        return fallback;
    QByteArray t = trimmed(*bytes);
    int base = 10;
    if (t.startsWith('$')) {
        t = t.mid(1);
        base = 16;
    } else if (t.startsWith("0x") || t.startsWith("0X")) {
        t = t.mid(2);
        base = 16;
    } else if (t.startsWith("-0x") || t.startsWith("-0X") || t.startsWith("-$")) {
        return fallback;
    }
    bool ok = false;
    const int value = base == 16 ? int(t.toUInt(&ok, 16)) : t.toInt(&ok, 10);
    return ok ? value : fallback;
}

bool IniFile::writeBytes(const QString& section, const QString& key, const QByteArray& value)
{
    QByteArray text;
    {
        QFile file(path_);
        if (file.exists()) {
            if (!file.open(QIODevice::ReadOnly)) {
                error_ = file.errorString();
                return false;
            }
            text = file.readAll();
        }
    }
    QByteArray safeValue = value;
    safeValue.replace('\r', ' ').replace('\n', ' ');
    const QByteArray sectionBytes = trimmed(encoded(section));
    const QByteArray keyBytes = trimmed(encoded(key));
    const QByteArray entry = keyBytes + '=' + safeValue;
    const QByteArray br = lineBreakOf(text);

    const std::vector<Line> lines = parseLines(text);
    const Place place = locate(lines, foldCase(sectionBytes), foldCase(keyBytes), text);
    if (place.entry >= 0) {
        const Line& line = lines[size_t(place.entry)];
        text.replace(line.begin, line.end - line.begin, entry);
    } else if (place.section >= 0) {
        const Line& last = lines[size_t(place.lastInSection)];
        const bool lastHasBreak = last.end < text.size();
        text.insert(last.end, lastHasBreak ? br + entry : br + entry + br);
    } else {
        if (!text.isEmpty() && !text.endsWith('\n'))
            text += br;
        text += '[' + sectionBytes + ']' + br + entry + br;
    }

    QDir().mkpath(QFileInfo(path_).absolutePath());
    return WriteFileAtomically(path_, text, &error_);
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    return writeBytes(section, key, encoded(value));
}

bool IniFile::writeInt(const QString& section, const QString& key, int value)
{
    return writeBytes(section, key, QByteArray::number(value));
}
