#include "TDotRecord.h"

#include "PanelFonts.h"

namespace {
std::vector<TDotRecord> lastRecords;

bool inGb2312Range(unsigned char b)
{
    return b >= 0xA1 && b <= 0xFE;
}
} // namespace

std::vector<TDotRecord> CutText(const QByteArray& text)
{
    std::vector<TDotRecord> records;
    for (qsizetype i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        TDotRecord r;
        r.Position = int(i) + 1;
        const bool hasNext = i + 1 < text.size();
        if (b <= 128) {
            r.Class = 1;
            r.Bytes = text.mid(i, 1);
        } else {
            r.Bytes = text.mid(i, hasNext ? 2 : 1);
            const bool gb2312 = b >= 161 && hasNext && inGb2312Range(b) &&
                                inGb2312Range(static_cast<unsigned char>(text[i + 1]));
            r.Class = gb2312 ? 2 : 3;
        }
        i += r.Bytes.size();
        if (r.Class == 1) {
            const auto glyph = LoadGlyphEn(static_cast<unsigned char>(r.Bytes[0]));
            r.Found = glyph.has_value();
            r.Pattern = glyph.value_or(QByteArray());
        } else if (r.Class == 2) {
            const auto glyph =
                LoadGlyphCh(static_cast<unsigned char>(r.Bytes[0]), static_cast<unsigned char>(r.Bytes[1]));
            r.Found = glyph.has_value();
            r.Pattern = glyph.value_or(QByteArray());
        }
        records.push_back(r);
    }
    lastRecords = records;
    return records;
}

const std::vector<TDotRecord>& DotRecords()
{
    return lastRecords;
}
