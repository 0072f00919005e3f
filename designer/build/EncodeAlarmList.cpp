#include "EncodeAlarmList.h"

#include "ObjectDotImages.h"
#include "PackAddressGroup.h"
#include "TProgramObj.h"
#include "TRecordBytes.h"

namespace {

constexpr int AlarmKind = 419;
constexpr int AlarmRole = 6;

} // namespace

QByteArray EncodeAlarmList(const TProgramObj& project)
{
    if (project.Alarms.empty())
        return {};
    const TEncodeContext context{project.PlcCode, false, QStringLiteral("alarm list")};
    // The block has no object; its head bytes take the flags below.
    const TLCDBlockObj anchor(AlarmKind, project.objectContext());
    TRecordBytes block(32, anchor, context);
    block.setU8(3, project.AlarmBuzzer ? 1 : 0);
    block.setU8(4, project.AlarmBacklight ? 1 : 0);
    block.u8(0xFF);
    const TParameterALM& first = project.Alarms.front();
    PackAddressGroup(
        block, {false, AlarmKind, AlarmRole},
        {first.AlarmStation, first.AlarmAddrType, first.AlarmAddr1, first.AlarmAddr2, first.AlarmAddr3});
    block.u8(std::int64_t(project.Alarms.size()));
    const int language = project.objectContext().language;
    for (std::size_t i = 0; i < project.Alarms.size(); ++i) {
        const TDotImage image = AlarmTextDotImage(project.Alarms[i].AlarmText, language);
        const bool last = i + 1 == project.Alarms.size();
        block.u16(std::int64_t(i));
        block.u16(last ? 0xFFFF : image.bytes.size() + 1);
        block.append(image.bytes);
    }
    block.u16(0xFFFF);
    block.u16(0xFFFF);
    return block.finish();
}
