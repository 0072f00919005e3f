#include "TProgramObj.h"

#include "ClipboardFile.h"
#include "Devroll.h"
#include "TBinaryReader.h"
#include "TBinaryWriter.h"

#include <QSet>
#include <QString>
#include <algorithm>

namespace {

constexpr int DynamicTextType = 414;

} // namespace

TProgramObj::TProgramObj(const TObjectContext& context) : context_(std::make_shared<TObjectContext>(context))
{
    PlcCode = context.plcCode;
    ensureOneScreen();
}

// ---- PLC model ----

void TProgramObj::setObjectContext(const TObjectContext& context)
{
    *context_ = context;
    context_->plcCode = PlcCode;
    for (auto& screen : Screens) {
        for (auto& object : screen->Objects)
            object->setContext(*context_);
    }
}

void TProgramObj::SetPlcCode(std::int32_t code)
{
    PlcCode = code;
    TObjectContext context = *context_;
    context.plcCode = code;
    setObjectContext(context);
}

void TProgramObj::SetJumpDefaults()
{
    JumpStation = std::uint8_t(Devroll::block_GetPlcAddress(PlcCode));
    const Devroll::AddressParts parts =
        Devroll::numericDefaultAddress(PlcCode, DynamicTextType, JumpAddrType);
    JumpAddr1 = parts[0];
    JumpAddr2 = parts[1];
    JumpAddr3 = parts[2];
}

void TProgramObj::SetWaitTimeForPlc(std::int32_t code)
{
    const bool slow = code == 3 || code == 8 || code == 9 || code == 18 || code == 22;
    WaitTime = slow ? 100 : 0;
}

void TProgramObj::RaiseWaitTimeForPlc()
{
    if (PlcCode == 3 && WaitTime < 100)
        WaitTime = 100;
}

void TProgramObj::ApplyPlcDefaults(std::int32_t code)
{
    SetPlcCode(code);
    SetJumpDefaults();
    SetWaitTimeForPlc(code);
    const Devroll::Communication comm = Devroll::Getcommunication(code);
    Link.BaudRate = comm.baud;
    Link.DataBits = std::uint8_t(comm.dataBits);
    Link.StopBits = std::uint8_t(comm.stopBits);
    Link.Parity = std::uint8_t(comm.parity);
}

// ---- screens ----

void TProgramObj::sortScreens()
{
    std::stable_sort(Screens.begin(), Screens.end(),
                     [](const auto& a, const auto& b) { return a->ScreenNo < b->ScreenNo; });
}

void TProgramObj::ensureOneScreen()
{
    if (Screens.empty())
        Screens.push_back(std::make_unique<Tpageobj>(context_, 1, 0, 2));
}

Tpageobj* TProgramObj::FindScreen(std::int32_t n) const
{
    const auto it =
        std::find_if(Screens.begin(), Screens.end(), [n](const auto& s) { return s->ScreenNo == n; });
    return it == Screens.end() ? nullptr : it->get();
}

std::optional<Tpageobjpty> TProgramObj::ScreenInfo(int listIndex) const
{
    if (listIndex < 0 || listIndex >= ScreenCount())
        return std::nullopt;
    return Screens[size_t(listIndex)]->Properties();
}

std::int32_t TProgramObj::FirstFreeScreenNo() const
{
    QSet<std::int32_t> used;
    for (const auto& s : Screens)
        used.insert(s->ScreenNo);
    for (std::int32_t n = 1; n <= MaxScreenNo; ++n) {
        if (!used.contains(n))
            return n;
    }
    return -1;
}

bool TProgramObj::AddScreen(std::int32_t n, const QByteArray& description, std::int32_t down, std::int32_t up)
{
    if (FindScreen(n))
        return false;
    auto screen = std::make_unique<Tpageobj>(context_, n, up, down);
    screen->Description = description;
    Screens.push_back(std::move(screen));
    Modified = true;
    sortScreens();
    return true;
}

bool TProgramObj::DeleteScreen(std::int32_t n)
{
    const auto removed = std::erase_if(Screens, [n](const auto& s) { return s->ScreenNo == n; });
    if (removed == 0)
        return false;
    Modified = true;
    ensureOneScreen();
    return true;
}

void TProgramObj::DeleteAllScreens()
{
    Screens.clear();
    Modified = true;
    ensureOneScreen();
}

bool TProgramObj::CopyScreen(std::int32_t source, std::int32_t target)
{
    const Tpageobj* from = FindScreen(source);
    if (!from || target <= 0 || target > MaxScreenNo || source == target)
        return false;
    auto copy = std::make_unique<Tpageobj>(context_, target, target - 1, target + 1);
    copy->CopyObjectsFrom(*from);
    // Only now that the copy is complete may an old screen of that number go.
    std::erase_if(Screens, [target](const auto& s) { return s->ScreenNo == target; });
    Tpageobj* made = copy.get();
    Screens.push_back(std::move(copy));
    sortScreens();
    made->SelectAll(false);
    FindScreen(source)->SelectAll(false);
    Modified = true;
    return true;
}

bool TProgramObj::RenumberScreen(std::int32_t n, std::int32_t newNo)
{
    Tpageobj* screen = FindScreen(n);
    if (!screen || (newNo != n && FindScreen(newNo)))
        return false;
    if (newNo == n)
        return true;
    screen->ScreenNo = newNo;
    sortScreens();
    Modified = true;
    return true;
}

// ---- objects ----

int TProgramObj::TotalObjectCount() const
{
    int total = 0;
    for (const auto& s : Screens)
        total += int(s->Objects.size());
    return total;
}

int TProgramObj::CountObjects(std::int32_t n, int typeCode) const
{
    const Tpageobj* screen = FindScreen(n);
    return screen ? screen->CountByType(typeCode) : 0;
}

int TProgramObj::CanAddObject(std::int32_t n, int typeCode) const
{
    const Tpageobj* screen = FindScreen(n);
    return screen ? screen->CanAddObject(typeCode) : -1;
}

TLCDBlockObj* TProgramObj::AddObject(std::int32_t n, int typeCode, std::int32_t x, std::int32_t y)
{
    Tpageobj* screen = FindScreen(n);
    TLCDBlockObj* object = screen ? screen->AddObject(typeCode, x, y) : nullptr;
    if (object)
        Modified = true;
    return object;
}

bool TProgramObj::HasOverlaps(std::int32_t n) const
{
    const Tpageobj* screen = FindScreen(n);
    return screen && screen->HasOverlaps();
}

std::optional<TRect> TProgramObj::SelectionBounds(std::int32_t n) const
{
    const Tpageobj* screen = FindScreen(n);
    return screen ? screen->SelectionBounds() : std::nullopt;
}

TLCDBlockObj* TProgramObj::FirstSelected(std::int32_t n)
{
    const Tpageobj* screen = FindScreen(n);
    if (!screen)
        return nullptr;
    // The property panel edits what this returns, so the project counts as changed.
    Modified = true;
    return screen->FirstSelected();
}

TLCDBlockObj* TProgramObj::ObjectAt(std::int32_t n, const TPoint& dot) const
{
    const Tpageobj* screen = FindScreen(n);
    return screen ? screen->ObjectAt(dot.X, dot.Y) : nullptr;
}

void TProgramObj::SelectAll(std::int32_t n, bool selected)
{
    if (Tpageobj* screen = FindScreen(n))
        screen->SelectAll(selected);
}

void TProgramObj::SelectInRect(std::int32_t n, const TRect& dots)
{
    if (Tpageobj* screen = FindScreen(n))
        screen->SelectInRect(dots);
}

int TProgramObj::CountSelected(std::int32_t n) const
{
    const Tpageobj* screen = FindScreen(n);
    return screen ? screen->CountSelected() : 0;
}

int TProgramObj::DeleteSelected(std::int32_t n)
{
    Tpageobj* screen = FindScreen(n);
    if (!screen)
        return 0;
    Modified = true;
    return screen->DeleteSelected();
}

void TProgramObj::MoveSelected(std::int32_t n, std::int32_t dx, std::int32_t dy)
{
    if (Tpageobj* screen = FindScreen(n)) {
        screen->MoveSelected(dx, dy);
        Modified = true;
    }
}

Tpageobj::HandleHit TProgramObj::HitTestSelected(std::int32_t n, const TPoint& pixel) const
{
    const Tpageobj* screen = FindScreen(n);
    return screen ? screen->HitTestSelected(pixel) : Tpageobj::HandleHit{};
}

void TProgramObj::BringToFront(std::int32_t n)
{
    if (Tpageobj* screen = FindScreen(n)) {
        screen->BringToFront();
        Modified = true;
    }
}

void TProgramObj::SendToBack(std::int32_t n)
{
    if (Tpageobj* screen = FindScreen(n)) {
        screen->SendToBack();
        Modified = true;
    }
}

void TProgramObj::Align(std::int32_t n, bool toScreen, int side)
{
    if (Tpageobj* screen = FindScreen(n)) {
        screen->Align(toScreen, side);
        Modified = true;
    }
}

void TProgramObj::Centre(std::int32_t n, bool vertical)
{
    if (Tpageobj* screen = FindScreen(n)) {
        screen->Centre(vertical);
        Modified = true;
    }
}

void TProgramObj::Distribute(std::int32_t n, bool vertical)
{
    if (Tpageobj* screen = FindScreen(n)) {
        screen->Distribute(vertical);
        Modified = true;
    }
}

void TProgramObj::RenumberObjects(std::int32_t n)
{
    if (Tpageobj* screen = FindScreen(n))
        screen->RenumberObjects();
}

void TProgramObj::Paint(std::int32_t n, QPainter& canvas) const
{
    if (const Tpageobj* screen = FindScreen(n))
        screen->Paint(canvas);
}

// ---- clipboard file ----

bool TProgramObj::Copy(std::int32_t n)
{
    const Tpageobj* screen = FindScreen(n);
    LastClipResult = screen && ClipboardFile::Copy(*screen);
    return LastClipResult;
}

bool TProgramObj::Cut(std::int32_t n)
{
    if (!Copy(n))
        return false;
    DeleteSelected(n);
    return true;
}

int TProgramObj::Paste(std::int32_t n, QString* problem)
{
    Tpageobj* screen = FindScreen(n);
    if (!screen)
        return 0;
    const ClipboardFile::PasteResult result = ClipboardFile::Paste(*screen);
    if (result.pasted > 0)
        Modified = true;
    if (problem)
        *problem = result.problem;
    return result.code;
}

// ---- the project record ----

void TProgramObj::SaveToStream(TBinaryWriter& out, const ProjectProgress& progress)
{
    FormatVersion = CurrentFormatVersion;
    const ProjectProgress::EndGuard end(progress);
    progress.start(ScreenCount() + int(Alarms.size()) + int(BitJumps.size()) + 1);

    out.string(Magic);
    out.fixed(ReservedBlock, 100);
    out.f64(FormatVersion);
    out.string(FilePassword);
    Link.SaveToStream(out);
    saveSettings(out);
    saveJumps(out);
    for (const auto* list : {&BitJumps, &Alarms}) {
        out.i32(std::int32_t(list->size()));
        for (const TParameterALM& entry : *list) {
            entry.SaveToStream(out);
            progress.step();
        }
    }
    out.i32(ScreenCount());
    out.i32(1);
    for (const auto& screen : Screens) {
        screen->SaveToStream(out);
        progress.step();
    }
    out.string(Magic);
    out.i64(out.pos());
}

void TProgramObj::saveSettings(TBinaryWriter& out) const
{
    out.i32(PlcCode);
    out.i32(InitialScreen);
    out.i32(PanelPassword);
    out.u8(SaverWait);
    out.boolean(SaverShowsScreen);
    out.i32(SaverScreen);
    out.i32(CtrlRegType);
    out.i32(CtrlRegAddr);
    out.i32(CtrlRegStation);
    out.boolean(AutoChangeScreen);
    out.boolean(ReportScreenNo);
    out.boolean(UseRtc);
    out.i32(WaitTime);
}

void TProgramObj::saveJumps(TBinaryWriter& out) const
{
    // The file keeps the address parts before the address type.
    out.u8(JumpStation);
    out.i32(JumpAddr1);
    out.i32(JumpAddr2);
    out.i32(JumpAddr3);
    out.i32(JumpAddrType);
    out.i32(JumpDataFormat);
    out.i32(JumpDelay);
    out.i32(std::int32_t(Jumps.size()));
    for (const TJumpEntry& jump : Jumps) {
        out.i32(jump.JumpValue);
        out.i32(jump.JumpTarget);
    }
}

void TProgramObj::LoadFromStream(TBinaryReader& in, const ProjectProgress& progress)
{
    const ProjectProgress::EndGuard end(progress);
    in.string("magic");
    ReservedBlock = in.bytes(100, "project reserved block");
    FormatVersion = in.f64("FormatVersion");
    FilePassword = in.string("FilePassword");
    Link.LoadFromStream(in);
    loadSettings(in);
    // Older formats lack what later versions added; those fields keep the
    // defaults of a new project for the file's PLC model.
    WaitTime = 0;
    if (FormatVersion >= 1.6)
        WaitTime = in.i32("WaitTime");
    loadJumps(in);
    BitJumps.clear();
    if (FormatVersion >= 1.8) {
        BitJumps.resize(size_t(in.count("bit jump count", TParameterALM::MinRecordBytes)));
        for (TParameterALM& entry : BitJumps)
            entry.LoadFromStream(in);
    }
    Alarms.resize(size_t(in.count("alarm count", TParameterALM::MinRecordBytes)));
    for (TParameterALM& entry : Alarms)
        entry.LoadFromStream(in);
    loadScreens(in, progress);
}

void TProgramObj::loadSettings(TBinaryReader& in)
{
    SetPlcCode(in.i32("PlcCode"));
    InitialScreen = in.i32("InitialScreen");
    PanelPassword = in.i32("PanelPassword");
    SaverWait = in.u8("SaverWait");
    if (SaverWait == 0) // older files stored "never" as 0
        SaverWait = 255;
    SaverShowsScreen = in.boolean("SaverShowsScreen");
    SaverScreen = in.i32("SaverScreen");
    CtrlRegType = in.i32("CtrlRegType");
    CtrlRegAddr = in.i32("CtrlRegAddr");
    CtrlRegStation = in.i32("CtrlRegStation");
    AutoChangeScreen = in.boolean("AutoChangeScreen");
    ReportScreenNo = in.boolean("ReportScreenNo");
    UseRtc = in.boolean("UseRtc");
}

void TProgramObj::loadJumps(TBinaryReader& in)
{
    Jumps.clear();
    if (FormatVersion < 1.7) {
        JumpAddrType = 0;
        JumpDataFormat = 0;
        JumpDelay = 4;
        SetJumpDefaults();
        return;
    }
    JumpStation = in.u8("JumpStation");
    JumpAddr1 = in.i32("JumpAddr1");
    JumpAddr2 = in.i32("JumpAddr2");
    JumpAddr3 = in.i32("JumpAddr3");
    JumpAddrType = in.i32("JumpAddrType");
    JumpDataFormat = in.i32("JumpDataFormat");
    JumpDelay = in.i32("JumpDelay");
    Jumps.resize(size_t(in.count("jump count", TJumpEntry::RecordBytes)));
    for (TJumpEntry& jump : Jumps) {
        jump.JumpValue = in.i32("JumpValue");
        jump.JumpTarget = in.i32("JumpTarget");
    }
}

void TProgramObj::loadScreens(TBinaryReader& in, const ProjectProgress& progress)
{
    const std::int32_t count = in.count("screen count", Tpageobj::MinRecordBytes);
    in.i32("screen list constant");
    std::vector<std::unique_ptr<Tpageobj>> screens;
    QSet<std::int32_t> numbers;
    progress.start(count + 1);
    for (std::int32_t i = 0; i < count; ++i) {
        auto screen = std::make_unique<Tpageobj>(context_, i + 1, i, i + 2);
        const qsizetype at = in.pos();
        screen->LoadFromStream(in);
        if (numbers.contains(screen->ScreenNo))
            in.fail(QStringLiteral("screen number %1 appears twice (the screen record from byte %2)")
                        .arg(screen->ScreenNo)
                        .arg(at),
                    "ScreenNo");
        numbers.insert(screen->ScreenNo);
        screens.push_back(std::move(screen));
        progress.step();
    }
    Screens = std::move(screens);
    ensureOneScreen();
}
