#include "BuildTextResourceImage.h"

#include "EncodeBitmap.h"
#include "EncodeStaticText.h"
#include "MergeDotRecords.h"
#include "ObjectDotImages.h"
#include "PackDotImage.h"
#include "TLcdBitmap.h"
#include "TLcdText.h"
#include "TProgramObj.h"

#include <QtEndian>
#include <vector>

namespace {

// The dot images of one screen of the resource project.
void screenEntries(const Tpageobj& screen, std::vector<QByteArray>& entries)
{
    const TEncodeContext context{screen.context().plcCode, false,
                                 QStringLiteral("screen %1").arg(screen.ScreenNo)};
    if (screen.ScreenSpare == 2) {
        for (const auto& object : screen.Objects)
            if (object && object->TypeCode == 413) {
                const auto& text = static_cast<const TLcdText&>(*object);
                const TDotImage image = text.Text.isEmpty() ? TDotImage{} : TextDotImage(text, text.Text);
                if (!image.bytes.isEmpty())
                    entries.push_back(image.bytes);
            }
        return;
    }
    QImage canvas(192, 64, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    bool drawn = false;
    for (const auto& object : screen.Objects) {
        TEncodedObject encoded;
        if (object && object->TypeCode == 413)
            encoded = EncodeStaticText(static_cast<const TLcdText&>(*object), context);
        else if (object && object->TypeCode == 418)
            encoded = EncodeBitmap(static_cast<const TLcdBitmap&>(*object), context);
        for (const QByteArray& record : encoded.records) {
            DrawDotRecord(canvas, record);
            drawn = true;
        }
    }
    if (drawn)
        entries.push_back(PackDotImage(canvas, 192, 64, 0, 0, false).bytes);
}

} // namespace

TTextResourceImage BuildTextResourceImage(const TProgramObj& resourceProject)
{
    TTextResourceImage result;
    std::vector<QByteArray> entries;
    for (const auto& screen : resourceProject.Screens)
        screenEntries(*screen, entries);
    if (entries.size() > std::size_t(TTextResourceImage::Slots)) {
        result.error = QStringLiteral("%1 texts are more than the %2 the panel's text table holds")
                           .arg(entries.size())
                           .arg(TTextResourceImage::Slots);
        return result;
    }
    QByteArray image(TTextResourceImage::Slots * 2, '\0');
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const qsizetype address = TTextResourceImage::LoadAddress + image.size();
        if (address + entries[k].size() > 0x10000) {
            result.error = QStringLiteral("the texts need more than the %1 bytes above 0xF200")
                               .arg(TTextResourceImage::MaxBytes);
            return result;
        }
        qToBigEndian(quint16(address), image.data() + 2 * k);
        image.append(entries[k]);
    }
    result.bytes = image;
    return result;
}
