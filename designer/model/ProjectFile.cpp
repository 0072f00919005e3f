#include "ProjectFile.h"

#include "AtomicFile.h"
#include "EReadError.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

#include <QFile>
#include <QFileInfo>
#include <new>

namespace {

// Far beyond any real project (10000 screens of 100 objects); a larger file
// is not read into memory at all.
constexpr qint64 MaxProjectBytes = 256 * 1024 * 1024;
// The magic string and the length that close every project file.
constexpr qsizetype TrailerBytes = 2 + 12 + 1 + 8;

ProjectFile::Result failure(ProjectFile::Error error, const QString& path, const QString& detail = {})
{
    ProjectFile::Result result;
    result.error = error;
    result.path = path;
    result.detail = detail;
    return result;
}

// The language text with the reader's own words on a line of their own.
QString withDetail(const QString& message, const QString& detail)
{
    return detail.isEmpty() ? message : message + QLatin1Char('\n') + detail;
}

} // namespace

QString ProjectFile::Result::message(const LanguageText& text) const
{
    const auto lang = [&text](int key) {
        return text ? text(key) : QString();
    };
    switch (error) {
    case Error::None:
        return {};
    case Error::MissingFile:
        if (!lang(295).isEmpty())
            return lang(295) + path;
        return path + QStringLiteral(": the file does not exist");
    case Error::NotAProject:
        if (!lang(285).isEmpty())
            return withDetail(lang(285), detail);
        return path + QStringLiteral(": not a project file: ") + detail;
    case Error::NewerVersion: {
        const QString version = QStringLiteral(" %1.%2.*.* ").arg(fileMajor).arg(fileMinor);
        if (!lang(392).isEmpty())
            return lang(392) + version + lang(393) + QStringLiteral("   ");
        return path + QStringLiteral(": the file needs program version") + version +
               QStringLiteral("or later");
    }
    case Error::PasswordRefused:
        return path + QStringLiteral(": the file password was not given");
    case Error::LoadFailed:
        if (!lang(293).isEmpty())
            return withDetail(lang(293) + path + lang(294), detail);
        return path + QStringLiteral(": the project cannot be read: ") + detail;
    case Error::WriteFailed:
        return path + QStringLiteral(": the project cannot be written: ") + detail;
    }
    return {};
}

QByteArray ProjectFile::makePrefix(int language, int systemVersion, int libraryVersion)
{
    TBinaryWriter out;
    out.u8(ProgramMajor);
    out.u8(ProgramMinor);
    out.u8(std::uint8_t(systemVersion));
    out.u8(std::uint8_t(libraryVersion));
    out.i32(language);
    return out.data();
}

QByteArray ProjectFile::encode(TProgramObj& project, const QByteArray& prefix,
                               const ProjectProgress& progress)
{
    TBinaryWriter out;
    out.fixed(prefix, PrefixBytes);
    project.SaveToStream(out, progress);
    return out.data();
}

ProjectFile::Result ProjectFile::save(TProgramObj& project, const QString& path, const QByteArray& prefix,
                                      const ProjectProgress& progress)
{
    QString error;
    if (!WriteFileAtomically(path, encode(project, prefix, progress), &error))
        return failure(Error::WriteFailed, path, error);
    project.Modified = false;
    project.FilePath = path;
    project.FileName = path.toLower();
    Result result;
    result.path = path;
    result.prefix = prefix.left(PrefixBytes);
    return result;
}

ProjectFile::Result ProjectFile::save(TProgramObj& project, const QString& path, int language,
                                      const ProjectProgress& progress)
{
    return save(project, path, makePrefix(language), progress);
}

ProjectFile::Result ProjectFile::open(const QString& path, const TObjectContext& context,
                                      const PasswordCheck& password, const ProjectProgress& progress)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return failure(Error::MissingFile, path);
    if (info.size() > MaxProjectBytes)
        return failure(Error::NotAProject, path,
                       QStringLiteral("%1 bytes is far too large for a project file").arg(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(Error::LoadFailed, path, file.errorString());
    return parse(file.readAll(), path, context, password, progress);
}

ProjectFile::Result ProjectFile::parse(const QByteArray& bytes, const QString& source,
                                       const TObjectContext& context, const PasswordCheck& password,
                                       const ProjectProgress& progress)
{
    const Header header = CheckProjectBytes(bytes);
    if (!header.ok)
        return failure(Error::NotAProject, source, header.problem);
    if (!IsFileVersionSupported(header.major, header.minor)) {
        Result result = failure(Error::NewerVersion, source);
        result.fileMajor = header.major;
        result.fileMinor = header.minor;
        return result;
    }
    if (!header.password.isEmpty() && password && !password(header.password))
        return failure(Error::PasswordRefused, source);

    auto project = std::make_unique<TProgramObj>(context);
    try {
        TBinaryReader in(bytes);
        in.skip(PrefixBytes, "file prefix");
        project->LoadFromStream(in, progress);
        // What follows the last screen must be the trailer the header check
        // found; anything else means a record was read wrongly.
        if (in.remaining() != TrailerBytes || in.string("trailer") != TProgramObj::Magic)
            in.fail(QStringLiteral("the last screen record does not end where the trailer begins (byte %1)")
                        .arg(bytes.size() - TrailerBytes),
                    "trailer");
    } catch (const EReadError& e) {
        return failure(Error::LoadFailed, source, QString::fromStdString(e.what()));
    } catch (const std::bad_alloc&) {
        return failure(Error::LoadFailed, source, QStringLiteral("out of memory"));
    }
    project->Modified = false;
    project->FilePath = source;
    project->FileName = source.toLower();
    Result result;
    result.path = source;
    result.prefix = bytes.left(PrefixBytes);
    result.project = std::move(project);
    return result;
}

ProjectFile::Header ProjectFile::CheckProjectFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {false, 0, 0, {}, QStringLiteral("the file does not exist")};
    if (file.size() > MaxProjectBytes)
        return {false, 0, 0, {}, QStringLiteral("far too large for a project file")};
    if (!file.open(QIODevice::ReadOnly))
        return {false, 0, 0, {}, file.errorString()};
    return CheckProjectBytes(file.readAll());
}

ProjectFile::Header ProjectFile::CheckProjectBytes(const QByteArray& bytes)
{
    Header header;
    try {
        TBinaryReader in(bytes);
        header.major = in.u8("program version");
        header.minor = in.u8("program version");
        in.skip(6, "file prefix");
        if (in.string("magic") != TProgramObj::Magic)
            in.fail(QStringLiteral("the project does not start with HMIVANTOFILE"), "magic");
        in.skip(100 + 8, "project reserved block");
        header.password = in.string("FilePassword");
        TBinaryReader tail(bytes.right(8));
        const std::int64_t length = tail.i64("trailer");
        if (length != bytes.size() - 8) {
            header.problem = QStringLiteral("its trailer gives the length %1, but %2 bytes come before it")
                                 .arg(length)
                                 .arg(bytes.size() - 8);
            return header;
        }
    } catch (const EReadError& e) {
        header.problem = QString::fromStdString(e.what());
        return header;
    }
    header.ok = true;
    return header;
}

bool ProjectFile::IsFileVersionSupported(int fileMajor, int fileMinor, int programMajor, int programMinor)
{
    return programMajor > fileMajor || (programMajor == fileMajor && fileMinor <= programMinor);
}
