#include "BuildCommand.h"

#include "AppPaths.h"
#include "AtomicFile.h"
#include "BuildDownloadImage.h"
#include "CommandLine.h"
#include "ConfigFile.h"
#include "EReadError.h"
#include "IniFile.h"
#include "LogWriters.h"
#include "MarkerFiles.h"
#include "ProjectFile.h"
#include "RendererSetup.h"
#include "TCharMetrics.h"

#include <optional>

namespace {

constexpr const char* UsageLine = "build PROJECT.lzd -o IMAGE.bin [--program-folder DIR] [--hex] [--lang N]";

struct Options
{
    QString project;
    QString output;
    QString programFolder;
    bool hex = false;
    std::optional<int> language;
};

std::optional<Options> parse(const QStringList& args)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"-o" && hasValue) {
            o.output = args[++i];
        } else if (a == u"--program-folder" && hasValue) {
            o.programFolder = args[++i];
        } else if (a == u"--lang" && hasValue) {
            bool ok = false;
            o.language = args[++i].toInt(&ok);
            if (!ok)
                return std::nullopt;
        } else if (a == u"--hex") {
            o.hex = true;
        } else if (!a.startsWith(u'-') && o.project.isEmpty()) {
            o.project = a;
        } else {
            return std::nullopt;
        }
    }
    if (o.project.isEmpty() || (o.output.isEmpty() && !o.hex))
        return std::nullopt;
    return o;
}

// The text of a language key, or fallback when the language file lacks it.
QString languageText(int language, int key, const QString& fallback)
{
    const IniFile file(AppPaths::langFolder() +
                       QStringLiteral("Lang%1.dat").arg(language, 3, 10, QLatin1Char('0')));
    return file.readString(QStringLiteral("CAPTION"), QStringLiteral("CAPTIONM%1").arg(key), fallback);
}

void printSizes(const TDownloadImage& image)
{
    for (const TDownloadImage::Section& s : image.sections)
        CommandLine::printLine(stdout, QStringLiteral("screen %1: %2 bytes at 0x%3")
                                           .arg(s.screenNo)
                                           .arg(s.bytes)
                                           .arg(s.address, 4, 16, QLatin1Char('0')));
    CommandLine::printLine(
        stdout,
        QStringLiteral("image: %1 of %2 bytes").arg(image.bytes.size()).arg(TDownloadImage::MaxBytes));
}

// The image as the pack trace shows it: " %0.2X" per byte, 100 bytes a line.
void printHex(const QByteArray& bytes)
{
    for (qsizetype at = 0; at < bytes.size(); at += 100)
        CommandLine::printLine(stdout, HexBytesText(bytes.mid(at, 100)));
}

} // namespace

int BuildCommand(const QStringList& args)
{
    const auto options = parse(args);
    if (!options)
        return CommandLine::usage(UsageLine);
    if (!options->programFolder.isEmpty())
        AppPaths::setProgramFolder(options->programFolder);
    MarkerFiles::load();

    int language = 0;
    ReadConfigInt(QStringLiteral("LANGUAGE"), QStringLiteral("INDEX"), language);
    TObjectContext context;
    context.language = options->language.value_or(language);
    context.keyCodeVariant = MarkerFiles::flags().keyCodeVariant;
    LoadCharMetrics(context.language);
    InstallRenderer(AppPaths::libFolder());

    const ProjectFile::Result opened = ProjectFile::open(options->project, context);
    if (!opened.project)
        return CommandLine::error(opened.message({}));

    TImageOptions imageOptions;
    imageOptions.jumpSupport = TImageOptions::JumpSupportMarkerExists(opened.project->PlcCode);
    TDownloadImage image;
    try {
        image = BuildDownloadImage(*opened.project, imageOptions);
    } catch (const std::exception& e) {
        return CommandLine::error(
            QStringLiteral("%1: %2").arg(options->project, QString::fromUtf8(e.what())));
    }
    printSizes(image);
    for (const QString& warning : image.warnings)
        CommandLine::printLine(stderr, QStringLiteral("zd740: warning: ") + warning);
    if (!image.fitsPanel()) {
        return CommandLine::error(
            languageText(context.language, 377, QStringLiteral("the image does not fit the panel")) +
            QStringLiteral(" ") + languageText(context.language, 378, QStringLiteral("reduce some screens")));
    }
    if (options->hex)
        printHex(image.bytes);
    QString why;
    if (!options->output.isEmpty() && !WriteFileAtomically(options->output, image.bytes, &why))
        return CommandLine::error(QStringLiteral("%1: cannot be written: %2").arg(options->output, why));
    return CommandLine::Ok;
}
