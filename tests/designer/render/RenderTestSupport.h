#pragma once

// Shared by the drawing tests: the build's program folder with its fonts and
// picture packs, the renderer installed as the editor installs it, and a few
// ways of looking at what was drawn.

#include "AppPaths.h"
#include "RendererSetup.h"
#include "TCharMetrics.h"
#include "TObjectContext.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <gtest/gtest.h>
#include <vector>

class WithRenderer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppPaths::setProgramFolder(QStringLiteral(ZD740_BIN_DIR));
        CharMetrics() = TCharMetrics{};
        const TPictureLibrary::LoadResult packs = InstallRenderer(QStringLiteral(ZD740_BIN_DIR "/lib/"));
        ASSERT_TRUE(packs.keysLoaded && packs.digitsLoaded);
    }
    void TearDown() override
    {
        UninstallRenderer();
        AppPaths::setProgramFolder({});
    }

    static TObjectContext context(int plcCode = 0, int language = 1)
    {
        TObjectContext c;
        c.plcCode = plcCode;
        c.language = language;
        return c;
    }
};

// The editor's canvas: 432 x 144 pixels, black.
inline QImage blackCanvas()
{
    QImage canvas(432, 144, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    return canvas;
}

inline bool isColour(const QImage& image, int x, int y, const QColor& colour)
{
    return QColor(image.pixel(x, y)) == colour;
}

// The smallest rectangle holding every pixel of the colour (null when none).
inline QRect boundsOf(const QImage& image, const QColor& colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isColour(image, x, y, colour))
                box |= QRect(x, y, 1, 1);
    return box;
}

inline int countOf(const QImage& image, const QColor& colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += isColour(image, x, y, colour);
    return n;
}

// Separate patches of the colour (8-connected), e.g. the handle circles.
inline int patchesOf(const QImage& image, const QColor& colour)
{
    std::vector<char> seen(std::size_t(image.width()) * image.height(), 0);
    int patches = 0;
    for (int y0 = 0; y0 < image.height(); ++y0) {
        for (int x0 = 0; x0 < image.width(); ++x0) {
            if (seen[y0 * image.width() + x0] || !isColour(image, x0, y0, colour))
                continue;
            ++patches;
            std::vector<QPoint> todo{{x0, y0}};
            seen[y0 * image.width() + x0] = 1;
            while (!todo.empty()) {
                const QPoint p = todo.back();
                todo.pop_back();
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = p.x() + dx, y = p.y() + dy;
                        if (x < 0 || y < 0 || x >= image.width() || y >= image.height() ||
                            seen[y * image.width() + x] || !isColour(image, x, y, colour))
                            continue;
                        seen[y * image.width() + x] = 1;
                        todo.push_back({x, y});
                    }
            }
        }
    }
    return patches;
}

// Lit dots as text rows, "#" white and "." anything else, for exact dot tables.
inline std::vector<std::string> dotRows(const QImage& image)
{
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x)
            row += isColour(image, x, y, Qt::white) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}
