#include "Catalogue.h"

#include "AppPaths.h"
#include "DasFile.h"
#include "GbkCodec.h"
#include "LocaleInfo.h"
#include "LogWriters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <set>

namespace {

constexpr int FirstBuiltinCode = 2;
constexpr std::int32_t Code0Index = 1197;
constexpr std::int32_t Code125Index = 1198;

QString text(const QByteArray& gbk)
{
    return GbkCodec::toUnicode(gbk);
}

// Captions count as one name when they differ only in surrounding blanks and case.
QString nameKey(const QByteArray& caption)
{
    return text(caption).trimmed().toUpper();
}

bool samePath(const QString& a, const QString& b)
{
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return QDir::cleanPath(fa.absoluteFilePath()) == QDir::cleanPath(fb.absoluteFilePath());
}

// A driver file name must name a file inside the catalogue folder.
bool usableDriveFile(const QString& name)
{
    return !name.isEmpty() && std::none_of(name.begin(), name.end(), [](QChar c) {
        return c == u'/' || c == u'\\' || c.unicode() < 0x20;
    });
}

// "[" date time "]  Change :caption,  filename= file, ver=1.00", GBK, CR LF.
bool appendChangeLog(const QString& folder, const TZd740drive& record)
{
    QString version = QString::number(record.History.Version, 'f', 2);
    version.replace(u'.', DecimalSeparator());
    const QByteArray line = GbkCodec::fromUnicode(DatedLogLine(QString())) + "Change :" + record.Captions[0] +
                            ",  filename= " + record.DriveFile + ", ver=" + version.toLatin1() + "\r\n";
    QFile log(QDir(folder).filePath(QStringLiteral("driversreadme.txt")));
    return log.open(QIODevice::WriteOnly | QIODevice::Append) && log.write(line) == line.size() &&
           log.flush();
}

} // namespace

Catalogue& Catalogue::instance()
{
    static Catalogue catalogue;
    return catalogue;
}

void Catalogue::scan(const QString& folder)
{
    records_.clear();
    scanErrors_.clear();
    scanWarnings_.clear();
    QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.das")}, QDir::Files | QDir::Hidden, QDir::NoSort);
    std::sort(files.begin(), files.end(),
              [](const QFileInfo& a, const QFileInfo& b) { return a.fileName() < b.fileName(); });
    for (const QFileInfo& file : files) {
        auto record = std::make_unique<TZd740drive>();
        const DasFile::ReadResult result = DasFile::read(file.absoluteFilePath(), *record);
        if (!result.kept()) {
            scanErrors_ << result.message;
            continue;
        }
        if (result.outcome != DasFile::Outcome::Complete) {
            scanWarnings_ << result.message;
            record->readWarning = result.message;
            record->contentUnread = result.outcome == DasFile::Outcome::Unread;
        }
        records_.push_back(std::move(record));
    }
    std::stable_sort(records_.begin(), records_.end(),
                     [](const auto& a, const auto& b) { return a->PlcID < b->PlcID; });
    computeOptionIndexes();
}

void Catalogue::scanDefault()
{
    scan(AppPaths::plcDrivesFolder());
}

TZd740drive* Catalogue::find(int code) const
{
    for (const auto& record : records_)
        if (record && record->PlcID == code)
            return record.get();
    return nullptr;
}

TZd740drive* Catalogue::add()
{
    records_.push_back(std::make_unique<TZd740drive>());
    return records_.back().get();
}

void Catalogue::remove(int i)
{
    if (i >= 0 && i < int(records_.size()))
        records_.erase(records_.begin() + i);
}

void Catalogue::computeOptionIndexes()
{
    // The built-in models fill the places no record takes, so a record's own
    // PlcIndex is never shadowed by a built-in one.
    std::set<std::int32_t> taken{Code0Index, Code125Index};
    for (const auto& record : records_)
        if (record)
            taken.insert(record->PlcIndex);
    std::int32_t next = 0;
    for (std::int32_t& index : builtinIndex_) {
        while (taken.count(next))
            ++next;
        index = next++;
    }
    mapComputed_ = true;
}

std::uint8_t Catalogue::plcCodeAt(std::int32_t optionIndex) const
{
    if (optionIndex == Code0Index)
        return 0;
    for (size_t k = 0; k < builtinIndex_.size(); ++k)
        if (builtinIndex_[k] == optionIndex)
            return std::uint8_t(FirstBuiltinCode + k);
    if (optionIndex == Code125Index)
        return 125;
    std::uint8_t code = 255;
    for (const auto& record : records_)
        if (record && record->PlcIndex == optionIndex)
            code = std::uint8_t(record->PlcID);
    return code;
}

std::int32_t Catalogue::optionIndexOf(std::uint8_t code) const
{
    if (code == 0)
        return Code0Index;
    if (code >= FirstBuiltinCode && code < FirstBuiltinCode + int(builtinIndex_.size()))
        return builtinIndex_[size_t(code - FirstBuiltinCode)];
    if (code == 125)
        return Code125Index;
    std::int32_t index = 0;
    for (const auto& record : records_)
        if (record && record->PlcID == code)
            index = record->PlcIndex;
    return index;
}

bool Catalogue::hasOptionIndex(std::uint8_t code) const
{
    if (code == 0 || code == 125 ||
        (code >= FirstBuiltinCode && code < FirstBuiltinCode + int(builtinIndex_.size())))
        return true;
    return std::any_of(records_.begin(), records_.end(),
                       [code](const auto& record) { return record && record->PlcID == code; });
}

Catalogue::SaveResult Catalogue::saveChanged(const QString& folder, const Confirm& confirm)
{
    SaveResult result;
    QDir().mkpath(folder);
    result.lines = consistencyFindings();
    if (!result.lines.isEmpty()) {
        result.blocked = true;
        return result;
    }
    for (const auto& record : records_)
        if (record && record->Modified)
            saveRecord(*record, folder, confirm, result);
    return result;
}

QStringList Catalogue::consistencyFindings() const
{
    QStringList findings;
    for (size_t i = 0; i < records_.size(); ++i) {
        const TZd740drive* a = records_[i].get();
        if (!a)
            continue;
        for (size_t j = i + 1; j < records_.size(); ++j) {
            const TZd740drive* b = records_[j].get();
            if (!b)
                continue;
            const QString names[] = {text(a->Captions[0]), text(b->Captions[0])};
            if (nameKey(a->Captions[0]) == nameKey(b->Captions[0]))
                findings << QStringLiteral("设备类型重名: %1,%2").arg(names[0], names[1]);
            if (a->PlcID == b->PlcID)
                findings << QStringLiteral("设备ID重号: %1, %2").arg(names[0], names[1]);
            if (a->DriveFile == b->DriveFile)
                findings << QStringLiteral("驱动文件名相同: %1, %2").arg(names[0], names[1]);
        }
    }
    return findings;
}

bool Catalogue::isOtherRecordsFile(const TZd740drive& record, const QString& path) const
{
    return std::any_of(records_.begin(), records_.end(), [&](const auto& other) {
        return other && other.get() != &record && !other->FilePath.isEmpty() &&
               samePath(other->FilePath, path);
    });
}

QString Catalogue::refusal(const TZd740drive& record, const QString& path) const
{
    const QString driveFile = text(record.DriveFile);
    if (!usableDriveFile(driveFile))
        return QStringLiteral("驱动文件名\"%1\"不能作为文件名").arg(driveFile);
    // Only the record's own file may be replaced: anything else there is a
    // file the last scan left out, or another record's file not yet moved.
    if (!QFileInfo::exists(path) || (!record.FilePath.isEmpty() && samePath(record.FilePath, path)))
        return {};
    return isOtherRecordsFile(record, path) ? QStringLiteral("文件%1仍是另一设备的驱动文件").arg(path)
                                            : QStringLiteral("文件%1已存在,但不是该设备读入的文件").arg(path);
}

void Catalogue::saveRecord(TZd740drive& record, const QString& folder, const Confirm& confirm,
                           SaveResult& result)
{
    const QString caption = text(record.Captions[0]);
    const QString path = QDir(folder).filePath(text(record.DriveFile) + QStringLiteral(".das"));
    const auto fail = [&](const QString& why) {
        const QString line = QStringLiteral("设备%1未保存: %2").arg(caption, why);
        result.lines << line;
        result.failures << line;
    };
    if (const QString why = refusal(record, path); !why.isEmpty()) {
        fail(why);
        return;
    }
    const QString question = QStringLiteral("设备") + caption +
                             QStringLiteral("的数据已经发生变化是否要保存至") + QStringLiteral("\r\n\r\n") +
                             QStringLiteral("文件") + path + QStringLiteral("?");
    if (confirm && !confirm(question))
        return;

    const DasFile::WriteResult written = DasFile::write(record, path);
    if (!written.ok) {
        fail(written.error);
        return;
    }
    result.lines << QStringLiteral("设备") + caption + QStringLiteral("数据更改,已重新保存至") +
                        QStringLiteral("\r\n") + QStringLiteral("文件:") + path;
    if (!appendChangeLog(folder, record)) {
        const QString line = QStringLiteral("文件%1无法写入").arg(QDir(folder).filePath("driversreadme.txt"));
        result.lines << line;
        result.failures << line;
    }
    removeOldFile(record, path, result);
    record.FilePath = QFileInfo(path).absoluteFilePath();
    record.readWarning.clear();
    record.contentUnread = false;
}

void Catalogue::removeOldFile(const TZd740drive& record, const QString& newPath, SaveResult& result) const
{
    // A record renamed in the editor would otherwise be found twice by the next scan.
    const QString old = record.FilePath;
    if (old.isEmpty() || record.contentUnread || samePath(old, newPath) || !QFileInfo::exists(old))
        return;
    if (!samePath(QFileInfo(old).absolutePath(), QFileInfo(newPath).absolutePath()) ||
        isOtherRecordsFile(record, old))
        return;
    if (!QFile::remove(old)) {
        const QString line = QStringLiteral("设备%1的旧文件%2无法删除").arg(text(record.Captions[0]), old);
        result.lines << line;
        result.failures << line;
    }
}

QString Catalogue::blockedMessage()
{
    return QStringLiteral(
        "请确认\r\n\r\n1: 设备名是否重名?\r\n\r\n2: 判断ID号是否不重号\r\n\r\n3: 驱动文件名是否相同?");
}

QString Catalogue::blockedCaption()
{
    return QStringLiteral("错误");
}

QString Catalogue::confirmCaption()
{
    return QStringLiteral("保存");
}
