#include "PackDotImage.h"

#include "Rounding.h"

#include <QtEndian>
#include <algorithm>
#include <vector>

namespace {

struct Run
{
    int row = 0;
    int column = 0;
    int height = 0;
    QByteArray columns;
};

using Band = std::vector<unsigned char>; // one byte per column

std::vector<std::vector<bool>> litDots(const QImage& bitmap, int width, int height)
{
    const QImage rgb = bitmap.convertToFormat(QImage::Format_RGB32);
    std::vector<std::vector<bool>> lit(size_t(height), std::vector<bool>(size_t(width), false));
    for (int y = 0; y < height && y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width && x < rgb.width(); ++x)
            lit[size_t(y)][size_t(x)] =
                RoundHalfEven(0.3 * qRed(row[x]) + 0.59 * qGreen(row[x]) + 0.11 * qBlue(row[x])) > 128;
    }
    return lit;
}

Band bandBytes(const std::vector<std::vector<bool>>& lit, int top, int rows, int width)
{
    Band band(size_t(width), 0);
    for (int x = 0; x < width; ++x)
        for (int k = 0; k < rows; ++k)
            if (lit[size_t(top + k)][size_t(x)])
                band[size_t(x)] |= static_cast<unsigned char>(1u << k);
    return band;
}

// Runs of one band as [first, last] column ranges: trailing zero columns are
// dropped, four or more zero columns in a row end a run and are skipped, a
// shorter gap stays inside the run.
std::vector<std::pair<int, int>> splitBand(const Band& band)
{
    int end = int(band.size());
    while (end > 0 && band[size_t(end - 1)] == 0)
        --end;
    auto zerosFrom = [&](int x) {
        int n = 0;
        while (x + n < end && band[size_t(x + n)] == 0)
            ++n;
        return n;
    };
    std::vector<std::pair<int, int>> ranges;
    int x = zerosFrom(0) >= 4 ? zerosFrom(0) : 0;
    while (x < end) {
        const int first = x;
        int last = x;
        for (int c = x; c < end; ++c) {
            if (band[size_t(c)] != 0)
                last = c;
            else if (c - last >= 4)
                break;
        }
        ranges.push_back({first, last});
        x = last + 1;
        x += zerosFrom(x);
    }
    return ranges;
}

std::vector<Run> collectRuns(const std::vector<std::vector<bool>>& lit, int width, int height,
                             int originColumn, int originRow, bool wholeBands)
{
    std::vector<Run> runs;
    for (int top = 0; top < height; top += 8) {
        const int rows = std::min(8, height - top);
        const Band band = bandBytes(lit, top, rows, width);
        auto addRun = [&](int first, int last) {
            Run r{originRow + top, originColumn + first, rows, {}};
            for (int c = first; c <= last; ++c)
                r.columns.append(char(band[size_t(c)]));
            runs.push_back(r);
        };
        if (wholeBands) {
            if (width > 0)
                addRun(0, width - 1);
        } else {
            for (const auto& [first, last] : splitBand(band))
                addRun(first, last);
        }
    }
    return runs;
}

} // namespace

TDotImage PackDotImage(const QImage& bitmap, int width, int height, int originColumn, int originRow,
                       bool wholeBands)
{
    width = std::clamp(width, 0, 192);
    height = std::clamp(height, 0, 64);
    const auto lit = litDots(bitmap, width, height);
    std::vector<Run> runs = collectRuns(lit, width, height, originColumn, originRow, wholeBands);
    if (runs.size() > 254)
        runs = collectRuns(lit, width, height, originColumn, originRow, true);

    QByteArray bytes(3, '\0');
    for (const Run& r : runs) {
        bytes.append(char(r.row))
            .append(char(r.column))
            .append(char(r.height))
            .append(char(r.columns.size()));
        bytes.append(r.columns);
    }
    const Run last = runs.empty() ? Run{originRow, originColumn, 0, {}} : runs.back();
    bytes.append(char(last.row)).append(char(last.column)).append('\0').append('\0');
    qToBigEndian(quint16(bytes.size()), bytes.data());
    bytes[2] = char(runs.size() + 1);
    return {bytes, int(runs.size()) + 1};
}
