// zd740: the command-line side of Designer (project inspection, image build,
// rendering, download). Each subcommand starts the same job the window uses.

#include "BuildCommand.h"
#include "CreateCommand.h"
#include "InfoCommand.h"
#include "RenderCommand.h"
#include "Version.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <functional>
#include <map>

namespace {

struct Command
{
    const char* summary;
    std::function<int(const QStringList& args)> run;
};

// Subcommands by name; later jobs add theirs here.
const std::map<QString, Command>& commands()
{
    static const std::map<QString, Command> table{
        {QStringLiteral("info"),
         {"summary of a project file (.lzd), or with --json the whole project as JSON", InfoCommand}},
        {QStringLiteral("build"),
         {"the panel's download image: build PROJECT.lzd -o IMAGE.bin [--program-folder DIR] [--hex]",
          BuildCommand}},
        {QStringLiteral("create"),
         {"a project file from its JSON form: create PROJECT.json -o PROJECT.lzd", CreateCommand}},
        {QStringLiteral("render"),
         {"the editor picture of screens: render PROJECT.lzd [--screen N | --all] -o OUT.png [--lang N]",
          RenderCommand}},
    };
    return table;
}

void printHelp()
{
    std::printf("Usage: zd740 COMMAND [ARGUMENTS...]\n"
                "       zd740 --version | --help\n\n"
                "The command-line tool of ZD-740 Designer.\n");
    if (commands().empty()) {
        std::printf("\nNo commands are available in this version yet.\n");
        return;
    }
    std::printf("\nCommands:\n");
    for (const auto& [name, command] : commands())
        std::printf("  %-10s %s\n", qPrintable(name), command.summary);
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns that XDG_RUNTIME_DIR is not set, which
// matters only to programs with windows.
void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR"))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    // Objects measure texts and read pictures through QtGui; the tool never
    // shows a window, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(messageHandler);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zd740"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZD740_VERSION));

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        printHelp();
        return 2;
    }
    const QString first = args.takeFirst();
    if (first == u"--version" || first == u"-v") {
        std::printf("zd740 (ZD-740 Designer) %s\n", ZD740_VERSION);
        return 0;
    }
    if (first == u"--help" || first == u"-h" || first == u"help") {
        printHelp();
        return 0;
    }
    const auto it = commands().find(first);
    if (it == commands().end()) {
        std::fprintf(stderr, "zd740: unknown command \"%s\"; see zd740 --help\n", qPrintable(first));
        return 2;
    }
    return it->second.run(args);
}
