// Fuzz target: the project file loader (".lzd"). Whatever the bytes, opening
// must end with a project or an error, never a crash, a huge allocation or a
// hang; and a project it returns must write back to bytes that open again
// and write back to the very same bytes.

#include "ProjectFile.h"

#include <QGuiApplication>
#include <QtEndian>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Objects measure texts and decode pictures through QtGui.
void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "project_loader_fuzz";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

// Opens bytes; a project that loads must write back to bytes that open
// again and write back to the very same bytes.
void openAndRewrite(const QByteArray& bytes)
{
    const ProjectFile::Result opened = ProjectFile::parse(bytes, QStringLiteral("fuzz.lzd"));
    if (!opened.ok())
        return;
    const QByteArray written = ProjectFile::encode(*opened.project, opened.prefix);
    const ProjectFile::Result again = ProjectFile::parse(written, QStringLiteral("again.lzd"));
    if (!again.ok())
        std::abort();
    if (ProjectFile::encode(*again.project, again.prefix) != written)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    openAndRewrite(bytes);
    // Most changes break the trailer's length, which the header check
    // refuses; the same bytes with a length that fits reach the loader.
    if (bytes.size() >= 8) {
        QByteArray fitted = bytes;
        qToLittleEndian(std::int64_t(fitted.size() - 8), fitted.data() + fitted.size() - 8);
        if (fitted != bytes)
            openAndRewrite(fitted);
    }
    return 0;
}
