#include "EncodeAlarmPageTable.h"

#include "EncodeParameterBlock.h"
#include "PackAddressGroup.h"
#include "TProgramObj.h"
#include "TRecordBytes.h"

#include <optional>

namespace {

constexpr int AlarmKind = 419;
constexpr int AlarmRole = 6;
constexpr int MaxEntries = 255; // the count is one byte

std::optional<std::uint16_t> screenNumber(const QByteArray& text)
{
    bool ok = false;
    const uint n = text.trimmed().toUInt(&ok);
    if (!ok || n > 0xFFFF)
        return std::nullopt;
    return std::uint16_t(n);
}

} // namespace

QByteArray EncodeAlarmPageTable(const TProgramObj& project, const TScreenAddresses& screens,
                                std::vector<QString>& warnings)
{
    if (project.BitJumps.empty())
        return {};
    const TEncodeContext context{project.PlcCode, false, QStringLiteral("alarm page table")};
    const TLCDBlockObj anchor(AlarmKind, project.objectContext());
    TRecordBytes block(34, anchor, context);
    block.setU8(3, project.JumpDelay);
    block.setU8(4, project.AlarmBacklight ? 1 : 0);
    block.u8(0xFF);
    const TParameterALM& first = project.BitJumps.front();
    PackAddressGroup(
        block, {false, AlarmKind, AlarmRole},
        {first.AlarmStation, first.AlarmAddrType, first.AlarmAddr1, first.AlarmAddr2, first.AlarmAddr3});
    const int countAt = block.size();
    block.u8(0);
    const std::uint16_t fallback = screens.orElse(StartScreenNo(project), 0);
    int count = 0;
    for (const TParameterALM& entry : project.BitJumps) {
        const std::optional<std::uint16_t> n = screenNumber(entry.AlarmText);
        if (!n) {
            warnings.push_back(QStringLiteral("data is not integer value!"));
            continue;
        }
        if (++count > MaxEntries)
            block.fail(QStringLiteral("more than the panel's %1 entries").arg(MaxEntries));
        block.u16(*n);
        block.u16(screens.orElse(*n, fallback));
    }
    block.setU8(countAt, count);
    block.u16(0xFFFF);
    block.u16(0xFFFF);
    return block.finish();
}
