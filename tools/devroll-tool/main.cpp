// devroll-tool: the catalogue as catalogue authors work with it.
//
//   devroll-tool dump FILE.das              the record as JSON
//   devroll-tool make FILE.json -o FILE.das a catalogue file from JSON
//   devroll-tool list [FOLDER]              the catalogue as the library sees it
//
// Exit codes: 0 done, 1 error (bad file, bad JSON, files left out of the
// list), 2 wrong usage.

#include "AppPaths.h"
#include "Catalogue.h"
#include "DasFile.h"
#include "DriveJson.h"
#include "GbkCodec.h"
#include "Version.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QStringList>
#include <cstdio>
#include <map>

namespace {

constexpr int Ok = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;

void printLine(FILE* to, const QString& text)
{
    std::fprintf(to, "%s\n", text.toUtf8().constData());
}

int error(const QString& text)
{
    printLine(stderr, QStringLiteral("devroll-tool: ") + text);
    return Failed;
}

int usage(FILE* to = stderr)
{
    std::fprintf(to, "Usage: devroll-tool dump FILE.das\n"
                     "       devroll-tool make FILE.json -o FILE.das\n"
                     "       devroll-tool list [FOLDER]\n"
                     "       devroll-tool --version | --help\n");
    return Usage;
}

int dump(const QString& path)
{
    TZd740drive record;
    const DasFile::ReadResult result = DasFile::read(path, record);
    if (!result.kept() || result.outcome == DasFile::Outcome::Missing)
        return error(result.message);
    if (result.outcome != DasFile::Outcome::Complete)
        printLine(stderr, QStringLiteral("devroll-tool: warning: ") + result.message);
    std::fputs(QJsonDocument(DriveJson::toJson(record)).toJson(QJsonDocument::Indented).constData(), stdout);
    return Ok;
}

int make(const QString& jsonPath, const QString& dasPath)
{
    QFile in(jsonPath);
    if (!in.open(QIODevice::ReadOnly))
        return error(QStringLiteral("%1: %2").arg(jsonPath, in.errorString()));
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(in.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return error(QStringLiteral("%1: byte %2: %3")
                         .arg(jsonPath)
                         .arg(parseError.offset)
                         .arg(parseError.errorString()));
    if (!json.isObject())
        return error(QStringLiteral("%1: expected an object holding one model").arg(jsonPath));
    try {
        TZd740drive record = DriveJson::fromJson(json.object());
        const DasFile::WriteResult written = DasFile::write(record, dasPath);
        if (!written.ok)
            return error(written.error);
    } catch (const DriveJson::Error& e) {
        return error(QStringLiteral("%1: %2").arg(jsonPath, QString::fromUtf8(e.what())));
    }
    return Ok;
}

QString captionOf(const TZd740drive& r)
{
    const QString chinese = GbkCodec::toUnicode(r.Captions[0]);
    const QString english = GbkCodec::toUnicode(r.Captions[2]);
    return chinese == english ? chinese : chinese + QStringLiteral(" / ") + english;
}

int list(const QString& folder)
{
    Catalogue catalogue;
    catalogue.scan(folder);

    // Option index -> line; the map orders them as Designer's list does.
    std::multimap<qint64, QString> lines;
    const auto add = [&lines](qint64 index, int code, const QString& what) {
        lines.emplace(index, QStringLiteral("%1  %2  %3").arg(index, 6).arg(code, 4).arg(what));
    };
    for (int code : {0, 125})
        add(catalogue.optionIndexOf(std::uint8_t(code)), code, QStringLiteral("(built in)"));
    for (int code = 2; code <= 20; ++code)
        add(catalogue.optionIndexOf(std::uint8_t(code)), code, QStringLiteral("(built in)"));
    for (const auto& record : catalogue.records()) {
        QString what = QFileInfo(record->FilePath).fileName() + QStringLiteral("  ") + captionOf(*record);
        const std::uint8_t shownCode = catalogue.plcCodeAt(record->PlcIndex);
        if (shownCode != std::uint8_t(record->PlcID))
            what += QStringLiteral("  [hidden: this index answers code %1]").arg(shownCode);
        else if (catalogue.find(record->PlcID) != record.get())
            what += QStringLiteral("  [hidden: an earlier file has the same code]");
        add(record->PlcIndex, record->PlcID, what);
    }

    printLine(stdout, QStringLiteral("Catalogue folder: %1").arg(folder));
    printLine(stdout, QStringLiteral("Option  Code  Model"));
    for (const auto& [index, line] : lines)
        printLine(stdout, line);
    for (const QString& warning : catalogue.lastScanWarnings())
        printLine(stdout, QStringLiteral("warning: ") + warning);
    for (const QString& left : catalogue.lastScanErrors())
        printLine(stdout, QStringLiteral("left out: ") + left);
    return catalogue.lastScanErrors().isEmpty() ? Ok : Failed;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == u"--help" || command == u"-h") {
        usage(stdout);
        return Ok;
    }
    if (command == u"--version") {
        std::printf("devroll-tool (ZD-740 Designer) %s\n", ZD740_VERSION);
        return Ok;
    }
    if (command == u"dump" && args.size() == 1)
        return dump(args[0]);
    if (command == u"make" && args.size() == 3 && args[1] == u"-o")
        return make(args[0], args[2]);
    if (command == u"list" && args.size() <= 1)
        return list(args.isEmpty() ? AppPaths::plcDrivesFolder() : args[0]);
    return usage();
}
