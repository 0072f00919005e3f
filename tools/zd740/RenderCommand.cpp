#include "RenderCommand.h"

#include "AppPaths.h"
#include "AtomicFile.h"
#include "CommandLine.h"
#include "ConfigFile.h"
#include "ProjectFile.h"
#include "RendererSetup.h"
#include "ScreenPicture.h"
#include "TCharMetrics.h"
#include "Tpageobj.h"

#include <QBuffer>
#include <QFileInfo>
#include <optional>

namespace {

constexpr const char* UsageLine = "render PROJECT.lzd [--screen N | --all] -o OUT.png [--lang N]";

struct Options
{
    QString project;
    QString output;
    std::optional<int> screen;
    bool all = false;
    std::optional<int> language;
};

std::optional<int> number(const QString& text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

std::optional<Options> parse(const QStringList& args)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"-o" && hasValue) {
            o.output = args[++i];
        } else if (a == u"--screen" && hasValue) {
            o.screen = number(args[++i]);
            if (!o.screen)
                return std::nullopt;
        } else if (a == u"--lang" && hasValue) {
            o.language = number(args[++i]);
            if (!o.language)
                return std::nullopt;
        } else if (a == u"--all") {
            o.all = true;
        } else if (!a.startsWith(u'-') && o.project.isEmpty()) {
            o.project = a;
        } else {
            return std::nullopt;
        }
    }
    if (o.project.isEmpty() || o.output.isEmpty() || (o.all && o.screen))
        return std::nullopt;
    return o;
}

// The language Designer would use: [LANGUAGE] INDEX of the options file,
// unless the command line names one.
int languageOf(const Options& o)
{
    int language = 0;
    ReadConfigInt(QStringLiteral("LANGUAGE"), QStringLiteral("INDEX"), language);
    return o.language.value_or(language);
}

// OUT.png for one screen; OUT-<n>.png for each screen with --all.
QString outputFor(const Options& o, int screenNo)
{
    if (!o.all)
        return o.output;
    const QFileInfo info(o.output);
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    return info.path() + u'/' + info.completeBaseName() + QStringLiteral("-%1").arg(screenNo) + suffix;
}

} // namespace

int RenderCommand(const QStringList& args)
{
    const auto options = parse(args);
    if (!options)
        return CommandLine::usage(UsageLine);

    TObjectContext context;
    context.language = languageOf(*options);
    LoadCharMetrics(context.language);
    const auto pictures = InstallRenderer(AppPaths::libFolder());
    for (const QString& missing : pictures.missing + pictures.unloadable)
        CommandLine::printLine(stderr,
                               QStringLiteral("zd740: warning: pictures not loaded: %1").arg(missing));

    const ProjectFile::Result opened = ProjectFile::open(options->project, context);
    if (!opened.project)
        return CommandLine::error(opened.message({}));

    std::vector<const Tpageobj*> screens;
    for (const auto& s : opened.project->Screens)
        if (options->all || s->ScreenNo == options->screen.value_or(opened.project->FirstScreenNo()))
            screens.push_back(s.get());
    if (screens.empty())
        return CommandLine::error(QStringLiteral("%1: there is no screen %2")
                                      .arg(options->project)
                                      .arg(options->screen.value_or(0)));
    for (const Tpageobj* screen : screens) {
        const QString path = outputFor(*options, screen->ScreenNo);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
        QString why;
        if (!EditorPicture(*screen).save(&buffer, format.isEmpty() ? "PNG" : format.constData()))
            return CommandLine::error(QStringLiteral("%1: no picture format \"%2\"").arg(path, format));
        if (!WriteFileAtomically(path, bytes, &why))
            return CommandLine::error(QStringLiteral("%1: cannot be written: %2").arg(path, why));
        CommandLine::printLine(stdout, path);
    }
    return CommandLine::Ok;
}
