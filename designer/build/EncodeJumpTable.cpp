#include "EncodeJumpTable.h"

#include "EncodeParameterBlock.h"
#include "PackAddressGroup.h"
#include "TProgramObj.h"
#include "TRecordBytes.h"

namespace {

constexpr int JumpKind = 414;
constexpr int JumpRole = 2;
constexpr int MaxEntries = 255; // the count is one byte

} // namespace

QByteArray EncodeJumpTable(const TProgramObj& project, const TScreenAddresses& screens)
{
    if (project.Jumps.empty())
        return {};
    const TEncodeContext context{project.PlcCode, false, QStringLiteral("screen jump table")};
    const TLCDBlockObj anchor(JumpKind, project.objectContext());
    TRecordBytes block(33, anchor, context);
    if (project.Jumps.size() > MaxEntries)
        block.fail(
            QStringLiteral("%1 entries, more than the panel's %2").arg(project.Jumps.size()).arg(MaxEntries));
    block.setU8(3, project.JumpDelay);
    block.setU8(4, 0xFF);
    block.u8(0xFF);
    block.u8(0xFF);
    PackAddressGroup(
        block, {true, JumpKind, JumpRole},
        {project.JumpStation, project.JumpAddrType, project.JumpAddr1, project.JumpAddr2, project.JumpAddr3});
    block.u8(project.JumpDataFormat);
    block.u8(std::int64_t(project.Jumps.size()));
    const std::uint16_t fallback = screens.orElse(StartScreenNo(project), 0);
    for (const TJumpEntry& entry : project.Jumps) {
        block.int16(entry.JumpValue, "jump value");
        block.u16(screens.orElse(entry.JumpTarget, fallback));
    }
    block.u16(0xFFFF);
    block.u16(0xFFFF);
    return block.finish();
}
