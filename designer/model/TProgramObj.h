#pragma once

#include "ProjectProgress.h"
#include "TJumpEntry.h"
#include "TLinkBlock.h"
#include "TObjectContext.h"
#include "TParameterALM.h"
#include "TRect.h"
#include "Tpageobj.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class TBinaryReader;
class TBinaryWriter;

// A project: the PLC it was made for, the panel and serial settings, the
// alarm list, the screen-jump settings and the screens, kept in ascending
// screen number. A project never has zero screens.
//
// Operations that name a screen by number do nothing (and answer false, 0 or
// null) when no screen has that number.
class TProgramObj
{
public:
    static constexpr double CurrentFormatVersion = 1.8;
    static constexpr std::int32_t MaxScreenNo = 10000;
    static inline const QByteArray Magic = QByteArrayLiteral("HMIVANTOFILE");

    explicit TProgramObj(const TObjectContext& context = {});
    TProgramObj(const TProgramObj&) = delete;
    TProgramObj& operator=(const TProgramObj&) = delete;

    QByteArray ReservedBlock = QByteArray(100, '\xFF');
    double FormatVersion = CurrentFormatVersion;
    std::int32_t PlcOptionIndex = 0; // not stored
    std::int32_t PlcCode = 0;
    QString PlcDescription; // not stored
    bool Modified = true;
    QString FileName; // the path in lower case: Save and Save As compare it (not stored)
    QString FilePath; // not stored
    TLinkBlock Link;
    bool LastClipResult = false; // not stored
    std::vector<std::unique_ptr<Tpageobj>> Screens;
    std::int32_t InitialScreen = 1;
    std::int32_t PanelPassword = 0;
    std::uint8_t SaverWait = 3; // 254 backlight always off, 255 never, else minutes
    bool SaverShowsScreen = false;
    std::int32_t SaverScreen = 1;
    std::int32_t CtrlRegType = 0;
    std::int32_t CtrlRegAddr = 0;
    std::int32_t CtrlRegStation = 1;
    bool AutoChangeScreen = false;
    bool ReportScreenNo = false;
    bool UseRtc = false;
    bool AlarmBacklight = false; // not stored
    bool AlarmBuzzer = false;    // not stored
    std::vector<TParameterALM> Alarms;
    QByteArray FilePassword; // scrambled; empty when the file is not protected
    std::int32_t WaitTime = 0;
    std::uint8_t JumpStation = 0;
    std::int32_t JumpAddrType = 0;
    std::int32_t JumpAddr1 = 0;
    std::int32_t JumpAddr2 = 0;
    std::int32_t JumpAddr3 = 0;
    std::int32_t JumpDataFormat = 0;
    std::int32_t JumpDelay = 4;
    std::vector<TJumpEntry> Jumps;
    std::vector<TParameterALM> BitJumps;

    // ---- PLC model ----
    const TObjectContext& objectContext() const { return *context_; }
    // The context new screens of this project share.
    std::shared_ptr<const TObjectContext> screenContext() const { return context_; }
    // Replaces the context of the project, its screens and objects; the PLC
    // code in it follows PlcCode.
    void setObjectContext(const TObjectContext& context);
    void SetPlcCode(std::int32_t code);
    void SetPlcOptionIndex(std::int32_t index) { PlcOptionIndex = index; }
    void SetJumpDefaults();
    void SetWaitTimeForPlc(std::int32_t code);
    void RaiseWaitTimeForPlc();
    // A new project's settings for a model: the code, the jump word and the
    // wait time, and the model's serial defaults from devroll.
    void ApplyPlcDefaults(std::int32_t code);

    // ---- screens ----
    int ScreenCount() const { return int(Screens.size()); }
    Tpageobj* FirstScreen() const { return Screens.empty() ? nullptr : Screens.front().get(); }
    std::int32_t FirstScreenNo() const { return Screens.empty() ? 0 : Screens.front()->ScreenNo; }
    Tpageobj* FindScreen(std::int32_t n) const;
    std::optional<Tpageobjpty> ScreenInfo(int listIndex) const;
    std::int32_t FirstFreeScreenNo() const; // -1 when 1..10000 are all used
    bool IsScreenNoFree(std::int32_t n) const { return FindScreen(n) == nullptr; }
    bool AddScreen(std::int32_t n, const QByteArray& description, std::int32_t down, std::int32_t up);
    bool DeleteScreen(std::int32_t n);
    void DeleteAllScreens();
    // Copies screen source to number target, replacing a screen of that
    // number. Refused, with nothing changed, for a target outside 1..10000,
    // an unknown source, or a source equal to the target.
    bool CopyScreen(std::int32_t source, std::int32_t target);
    // Gives screen n the number newNo when no screen uses it; keeps the order.
    bool RenumberScreen(std::int32_t n, std::int32_t newNo);

    // ---- objects ----
    int TotalObjectCount() const;
    int CountObjects(std::int32_t n, int typeCode) const; // typeCode -1: all types
    // 0 allowed, 1 the screen holds 100 objects, 2 the screen holds 40
    // registers, bar graphs and trend charts; -1 no such screen.
    int CanAddObject(std::int32_t n, int typeCode) const;
    TLCDBlockObj* AddObject(std::int32_t n, int typeCode, std::int32_t x, std::int32_t y);
    bool HasOverlaps(std::int32_t n) const;
    std::optional<TRect> SelectionBounds(std::int32_t n) const;
    TLCDBlockObj* FirstSelected(std::int32_t n);
    TLCDBlockObj* ObjectAt(std::int32_t n, const TPoint& dot) const;
    void SelectAll(std::int32_t n, bool selected);
    void SelectInRect(std::int32_t n, const TRect& dots);
    int CountSelected(std::int32_t n) const;
    int DeleteSelected(std::int32_t n);
    void MoveSelected(std::int32_t n, std::int32_t dx, std::int32_t dy);
    Tpageobj::HandleHit HitTestSelected(std::int32_t n, const TPoint& pixel) const;
    void BringToFront(std::int32_t n);
    void SendToBack(std::int32_t n);
    void Align(std::int32_t n, bool toScreen, int side);
    void Centre(std::int32_t n, bool vertical);
    void Distribute(std::int32_t n, bool vertical);
    void RenumberObjects(std::int32_t n);
    void Paint(std::int32_t n, QPainter& canvas) const;

    // ---- clipboard file ----
    bool Copy(std::int32_t n);
    bool Cut(std::int32_t n);
    // The paste result: the number pasted, or 0 (no clipboard file), -1
    // (does not fit), 412 (no free key), 1248 (value object limit), -2 (the
    // clipboard file is damaged; *problem says where).
    int Paste(std::int32_t n, QString* problem = nullptr);

    // ---- the project record ----
    // Writes the project record and the trailer. Positions inside the file
    // (bitmap records, the trailer's length) count from the start of out, so
    // the caller writes the 8-byte file prefix into out first.
    void SaveToStream(TBinaryWriter& out, const ProjectProgress& progress = {});
    // Reads the project record; raises EReadError. Duplicate screen numbers
    // are an error. Fields older formats lack keep their defaults.
    void LoadFromStream(TBinaryReader& in, const ProjectProgress& progress = {});

private:
    void sortScreens();
    void ensureOneScreen();
    void saveSettings(TBinaryWriter& out) const;
    void saveJumps(TBinaryWriter& out) const;
    void loadSettings(TBinaryReader& in);
    void loadJumps(TBinaryReader& in);
    void loadScreens(TBinaryReader& in, const ProjectProgress& progress);

    std::shared_ptr<TObjectContext> context_;
};
