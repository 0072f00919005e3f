#include "RendererSetup.h"

#include "ObjectPainter.h"
#include "TCanvasPainter.h"
#include "TPanelTextMeasurer.h"

namespace {

TPanelTextMeasurer& panelMeasurer()
{
    static TPanelTextMeasurer measurer;
    return measurer;
}

} // namespace

TPictureLibrary::LoadResult InstallRenderer(const QString& libFolder)
{
    const TPictureLibrary::LoadResult result = TPictureLibrary::instance().load(libFolder);
    ObjectPainter::setCurrent(&CanvasPainter());
    TextMeasurer::setCurrent(&panelMeasurer());
    return result;
}

void UninstallRenderer()
{
    if (ObjectPainter::current() == &CanvasPainter())
        ObjectPainter::setCurrent(nullptr);
    if (&TextMeasurer::current() == &panelMeasurer())
        TextMeasurer::setCurrent(nullptr);
    CanvasPainter().ClearLiveState();
    TPictureLibrary::instance().unload();
}

TCanvasPainter& CanvasPainter()
{
    static TCanvasPainter painter;
    return painter;
}
