// Designer: the screen editor of the ZD-740 panel.

#include "AppPaths.h"
#include "DesignerApplication.h"
#include "LogWriters.h"
#include "MarkerFiles.h"
#include "TFormmatinLCDNEW.h"
#include "Version.h"

#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool hasDisplay()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

void printUsage()
{
    std::printf("Usage: designer [PROJECT.lzd]\n"
                "       designer --version | --help\n\n"
                "Opens the ZD-740 screen editor, with PROJECT.lzd when it names an existing file.\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-v") == 0)) {
        std::printf("designer (ZD-740 Designer) %s\n", ZD740_VERSION);
        return 0;
    }
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        printUsage();
        return 0;
    }
    if (!hasDisplay()) {
        std::fprintf(stderr,
                     "designer: there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "Run it on a virtual display instead:  xvfb-run -a %s\n"
                     "or without any window system:          QT_QPA_PLATFORM=offscreen %s\n",
                     argv[0], argv[0]);
        return 1;
    }

    DesignerApplication app(argc, argv);
    MarkerFiles::load();
    AppPaths::emptyScratchFolder();
    TakeTraceNumber();

    TFormmatinLCDNEW window;
    window.show();
    return app.exec();
}
