#include "BuildDownloadImage.h"

#include "EncodeAlarmList.h"
#include "EncodeAlarmPageTable.h"
#include "EncodeJumpTable.h"
#include "EncodeParameterBlock.h"
#include "EncodeScreenObjects.h"
#include "LogWriters.h"
#include "TProgramObj.h"
#include "TScreenAddresses.h"
#include "Tpagerecord.h"

#include <QTime>
#include <algorithm>

namespace {

constexpr int PackCodeTrace = 1;
constexpr int AlarmCodeTrace = 4;
constexpr int TraceBytesPerLine = 100;
constexpr int HeaderBytes = 13;
constexpr int MaxDescriptionBytes = 32;
constexpr int FunctionKeyBlock = 2;
constexpr int KeyAction = 11;
constexpr int KeyToAlarmList = 12;
constexpr int KeyTarget = 13;
constexpr int JumpAction = 1;
constexpr char EndRecord = char(0xFF);

std::uint16_t panelAddress(qsizetype imageOffset)
{
    return std::uint16_t(imageOffset + TDownloadImage::LoadAddress);
}

void put16(QByteArray& bytes, qsizetype at, std::uint32_t value)
{
    bytes[at] = char(value >> 8);
    bytes[at + 1] = char(value);
}

std::int32_t existingOr(const TProgramObj& project, std::int32_t screenNo, std::int32_t fallback)
{
    return project.FindScreen(screenNo) ? screenNo : fallback;
}

QByteArray screenHeader(const Tpagerecord& page, int language)
{
    const QByteArray text = page.description.left(MaxDescriptionBytes);
    QByteArray h(HeaderBytes, '\0');
    h[2] = char(HeaderBytes + text.size());
    h[3] = char(page.screenNo);
    h[4] = char(page.upScreen);
    h[8] = char(page.downScreen);
    h[11] = char(language);
    h[12] = char(text.size());
    return h + text;
}

int objectCount(const TProgramObj& project)
{
    int n = 0;
    for (const auto& screen : project.Screens)
        n += int(std::count_if(screen->Objects.begin(), screen->Objects.end(),
                               [](const auto& o) { return !o->DeleteMark; }));
    return n;
}

// A jump key carries a screen number (or the alarm list mark) until the
// addresses are known.
void patchJumpKeys(Tpagerecord& page, const TScreenAddresses& screens, std::uint16_t alarmList)
{
    for (QByteArray& r : page.records) {
        if (r.size() < KeyTarget + 2 || std::uint8_t(r[0]) != FunctionKeyBlock ||
            std::uint8_t(r[KeyAction]) != JumpAction)
            continue;
        if (r[KeyToAlarmList] != 0) {
            put16(r, KeyTarget, alarmList);
            continue;
        }
        const int target = (std::uint8_t(r[KeyTarget]) << 8) | std::uint8_t(r[KeyTarget + 1]);
        put16(r, KeyTarget, screens.orElse(target, page.address));
    }
}

struct TBuild
{
    std::vector<Tpagerecord> pages;
    TScreenAddresses screens;
    bool usesPassword = false;
};

void buildScreens(TBuild& b, const TProgramObj& project, bool packTraces, const ProjectProgress& progress)
{
    const int language = project.objectContext().language;
    for (int i = 0; i < project.ScreenCount(); ++i) {
        const Tpageobj& screen = *project.Screens[std::size_t(i)];
        Tpagerecord page;
        page.index = i;
        page.screenNo = screen.ScreenNo;
        page.upScreen = existingOr(project, screen.UpScreen, screen.ScreenNo);
        page.downScreen = existingOr(project, screen.DownScreen, screen.ScreenNo);
        page.description = screen.Description;
        page.header = screenHeader(page, language);
        const TEncodeContext context{project.PlcCode, project.objectContext().keyCodeVariant,
                                     QStringLiteral("screen %1").arg(screen.ScreenNo), packTraces};
        TEncodedObject encoded = EncodeScreenObjects(screen, context, progress);
        b.usesPassword = b.usesPassword || encoded.usesPassword;
        page.records = std::move(encoded.records);
        page.records.push_back(QByteArray(1, EndRecord));
        b.pages.push_back(std::move(page));
    }
}

// Gives each screen its address; answers the address after the last screen.
qsizetype placeScreens(TBuild& b)
{
    qsizetype offset = TDownloadImage::HeadBytes + TDownloadImage::ParameterBytes;
    for (Tpagerecord& page : b.pages) {
        page.address = panelAddress(offset);
        b.screens.set(page.screenNo, page.address);
        offset += page.size();
    }
    return offset;
}

void linkScreens(TBuild& b, std::uint16_t alarmList)
{
    for (Tpagerecord& page : b.pages) {
        patchJumpKeys(page, b.screens, alarmList);
        put16(page.header, 5, b.screens.orElse(page.upScreen, page.address));
        put16(page.header, 9, b.screens.orElse(page.downScreen, page.address));
    }
}

// Appends a program-level block and answers its panel address, 0 when absent.
std::uint16_t appendBlock(QByteArray& image, const QByteArray& block)
{
    if (block.isEmpty())
        return 0;
    const std::uint16_t address = panelAddress(image.size());
    image.append(block);
    return address;
}

void traceLines(int kind, const QByteArray& bytes, const QString& prefix, const QString& suffix)
{
    for (qsizetype at = 0; at < bytes.size(); at += TraceBytesPerLine)
        AppendTrace(kind, HexBytesText(bytes.mid(at, TraceBytesPerLine), prefix, suffix));
}

void traceImage(const QByteArray& image)
{
    const QString time = QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
    const QString rule = QStringLiteral("---------------");
    AppendTrace(PackCodeTrace, rule + time + QStringLiteral("数据长度=:%1").arg(image.size()));
    AppendTrace(PackCodeTrace, rule + time + QStringLiteral("------------------"));
    traceLines(PackCodeTrace, image, QStringLiteral(" "), QString());
    AppendTrace(PackCodeTrace, QStringLiteral("---------------end------------------"));
}

} // namespace

TDownloadImage BuildDownloadImage(const TProgramObj& project, const TImageOptions& options,
                                  const ProjectProgress& progress)
{
    const ProjectProgress::EndGuard end(progress);
    const int total = objectCount(project);
    if (total > 1)
        progress.start(total);

    TBuild b;
    buildScreens(b, project, options.packTraces, progress);
    const QByteArray alarmList = EncodeAlarmList(project);
    if (options.alarmTraces)
        traceLines(AlarmCodeTrace, alarmList, QStringLiteral(" "), QStringLiteral(" "));
    const qsizetype screensEnd = placeScreens(b);
    linkScreens(b, panelAddress(screensEnd));

    TDownloadImage result;
    QByteArray jumpTable, alarmPages;
    if (options.jumpSupport) {
        jumpTable = EncodeJumpTable(project, b.screens);
        alarmPages = EncodeAlarmPageTable(project, b.screens, result.warnings);
    }
    const QByteArray parameters = EncodeParameterBlock(project, b.screens, b.usesPassword);

    QByteArray& image = result.bytes;
    image.append(char(0xFF)).append(char(0xFF));
    QByteArray name(30, '\0');
    name[0] = char(options.textSetId);
    image.append(name).append(2, '\0');
    const qsizetype parametersAt = image.size();
    image.append(parameters);
    for (const Tpagerecord& page : b.pages) {
        result.sections.push_back({page.screenNo, page.address, page.size()});
        image.append(page.header);
        for (const QByteArray& record : page.records)
            image.append(record);
    }
    put16(image, parametersAt + ParameterOffset::AlarmList, appendBlock(image, alarmList));
    put16(image, parametersAt + ParameterOffset::JumpTable, appendBlock(image, jumpTable));
    put16(image, parametersAt + ParameterOffset::AlarmPageTable, appendBlock(image, alarmPages));
    put16(image, TDownloadImage::ChecksumOffset, TDownloadImage::Checksum(image));
    if (options.packTraces)
        traceImage(image);
    return result;
}
