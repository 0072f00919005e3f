#include "EncodeParameterBlock.h"

#include "EEncodeError.h"
#include "TProgramObj.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<int, int>, 7> BaudCodes{
    {{1200, 0}, {2400, 1}, {4800, 2}, {9600, 3}, {19200, 4}, {38400, 5}, {115200, 6}}};

// The panel has no code for other rates (14400 and 57600 among them): a
// guessed code would set the panel to a rate the PLC does not use.
int baudCode(std::int32_t baud)
{
    for (const auto& [rate, code] : BaudCodes)
        if (rate == baud)
            return code;
    throw EEncodeError(QStringLiteral("the panel cannot talk at %1 baud; choose 1200, 2400, 4800, 9600, "
                                      "19200, 38400 or 115200")
                           .arg(baud));
}

std::int32_t panelWaitTime(const TProgramObj& project)
{
    std::int32_t wait = project.WaitTime;
    if (project.PlcCode == 3 && wait < 100)
        wait = 100; // the model answers too slowly for less
    if (wait < 0 || wait > 0xFFFF)
        throw EEncodeError(QStringLiteral("the wait time %1 does not fit 0..65535").arg(wait));
    return wait;
}

void put16(QByteArray& block, int at, std::uint32_t value)
{
    block[at] = char(value >> 8);
    block[at + 1] = char(value);
}

} // namespace

std::int32_t StartScreenNo(const TProgramObj& project)
{
    if (project.FindScreen(project.InitialScreen))
        return project.InitialScreen;
    return project.FirstScreenNo();
}

QByteArray EncodeParameterBlock(const TProgramObj& project, const TScreenAddresses& screens,
                                bool usesPassword)
{
    QByteArray p(100, '\0');
    const std::int32_t start = StartScreenNo(project);
    p[2] = char(start);
    put16(p, 3, screens.orElse(start, 0));
    put16(p, 5, std::uint32_t(project.PanelPassword) >> 16);
    put16(p, 7, std::uint32_t(project.PanelPassword));
    p[9] = char(project.SaverWait);
    p[10] = 0; // the panel never shows a screen as its saver
    p[11] = char(project.SaverScreen);
    put16(p, 12, screens.orElse(project.SaverScreen, 0));
    p[14] = char(project.PlcCode);
    p[15] = char(baudCode(project.Link.BaudRate));
    p[16] = char(project.Link.DataBits == 8 ? 1 : 0);
    p[17] = char(project.Link.StopBits == 2 ? 1 : 0);
    p[18] = char(project.Link.Parity);
    p[19] = char(project.Link.LinkOption);
    p[20] = char(usesPassword ? 1 : 0);
    put16(p, 21, std::uint32_t(panelWaitTime(project)));
    return p;
}
