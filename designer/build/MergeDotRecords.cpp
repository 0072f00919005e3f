#include "MergeDotRecords.h"

#include "PackDotImage.h"
#include "TLCDBlockObj.h"

#include <algorithm>

namespace {

constexpr int RecordHead = 5; // type, length, top, left
constexpr int ImageHead = 3;  // length, run count
constexpr int RunHead = 4;    // row, column, height, width

int byteAt(const QByteArray& bytes, qsizetype i)
{
    return std::uint8_t(bytes[i]);
}

void setDot(QImage& canvas, int x, int y, bool lit)
{
    if (x >= 0 && y >= 0 && x < canvas.width() && y < canvas.height())
        canvas.setPixel(x, y, lit ? 0xFFFFFFFFu : 0xFF000000u);
}

} // namespace

void DrawDotRecord(QImage& canvas, const QByteArray& record)
{
    if (record.size() < RecordHead + ImageHead)
        return;
    const int top = byteAt(record, 3);
    const int left = byteAt(record, 4);
    const int runs = byteAt(record, RecordHead + 2);
    qsizetype at = RecordHead + ImageHead;
    for (int r = 0; r < runs && at + RunHead <= record.size(); ++r) {
        const int row = byteAt(record, at), column = byteAt(record, at + 1);
        const int height = byteAt(record, at + 2), width = byteAt(record, at + 3);
        at += RunHead;
        if (at + width > record.size())
            return;
        for (int c = 0; c < width; ++c) {
            const int bits = byteAt(record, at + c);
            for (int k = 0; k < std::min(height, 8); ++k)
                setDot(canvas, left + column + c, top + row + k, (bits >> k) & 1);
        }
        at += width;
    }
}

QByteArray MergeDotRecords(const std::vector<QByteArray>& records, const TRect& box)
{
    QImage canvas(TLCDBlockObj::PanelWidth, TLCDBlockObj::PanelHeight, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    for (const QByteArray& record : records)
        DrawDotRecord(canvas, record);
    const int left = std::clamp(box.Left, 0, TLCDBlockObj::PanelWidth);
    const int top = std::clamp(box.Top, 0, TLCDBlockObj::PanelHeight);
    const int right = std::clamp(box.Right, left, TLCDBlockObj::PanelWidth);
    const int bottom = std::clamp(box.Bottom, top, TLCDBlockObj::PanelHeight);
    if (right == left || bottom == top)
        return {};
    const QImage part = canvas.copy(left, top, right - left, bottom - top);
    const TDotImage image = PackDotImage(part, part.width(), part.height(), 0, 0, false);
    if (image.bytes.isEmpty())
        return {};
    QByteArray merged;
    const qsizetype length = RecordHead + image.bytes.size();
    merged.append(char(3));
    merged.append(char(length >> 8));
    merged.append(char(length));
    merged.append(char(top));
    merged.append(char(left));
    merged.append(image.bytes);
    return merged;
}
