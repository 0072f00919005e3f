#include "TCharMetrics.h"

#include "AppPaths.h"
#include "IniFile.h"

TCharMetrics& CharMetrics()
{
    static TCharMetrics metrics;
    return metrics;
}

void LoadCharMetrics(int language)
{
    const IniFile ini(AppPaths::configFile());
    const QString section = QStringLiteral("Font%1").arg(language);
    auto read = [&](const char* key, int fallback) {
        const int value = ini.readInt(section, QLatin1String(key), fallback);
        return value < 1 ? fallback : value;
    };
    TCharMetrics m;
    m.LcdCharWidth = read("ChrWidth_LCD", 8);
    m.LcdCharHeight = read("ChrHeigh_LCD", 16);
    // The key really is spelled with eleven blanks inside it.
    m.DrawCharWidth = read("ChrW           idth_Draw", 18);
    m.DrawCharHeight = read("ChrHeigh_Draw", 36);
    m.DrawCharWidthDouble = read("ChrWidth_DrawDouble", 36);
    m.DrawCharHeightDouble = read("ChrHeigh_DrawDouble", 72);
    m.PackFromLib = read("PackfromLib", 0);
    CharMetrics() = m;
}
