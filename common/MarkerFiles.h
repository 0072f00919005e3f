#pragma once

#include <QString>

// Maintenance switches: files whose mere presence turns a behaviour on. They
// are looked for in the program folder and, for an installed bundle whose
// program folder is read-only, in the data folder too.
//
// Most are tested once, when the main window is created (load()); the trace
// log marker is tested at every trace line and the "send the system program"
// marker at every download.
class MarkerFiles
{
public:
    static inline const QString DebugSys = QStringLiteral("debug.sys");
    static inline const QString DebugFlg = QStringLiteral("debug.flg");
    static inline const QString KeyCodeVariant = QStringLiteral("KeytsLorvan.Key");
    static inline const QString HexAddresses = QStringLiteral("APBdebug.sys");
    static inline const QString Maintenance = QStringLiteral("Donotdownplcsys.tmp");
    static inline const QString PackTraces = QStringLiteral("m_DebugPackCodeToFile.tmp");
    static inline const QString RunTool = QStringLiteral("RunASzd740.tmp");
    static inline const QString WriteSys = QStringLiteral("write.sys");

    struct Flags
    {
        bool debugLog = false;       // debug.sys: download and update lines to debug.txt
        bool keyCodeVariant = false; // KeytsLorvan.Key: keys 0 and 1 get codes 3 and 4
        bool hexAddresses = false;   // APBdebug.sys: every address field shows hexadecimal
        bool maintenance = false;    // Donotdownplcsys.tmp
        bool packTraces = false;     // m_DebugPackCodeToFile.tmp: hex dumps in the scratch folder
        bool runTool = false;        // RunASzd740.tmp: the Run tool button is shown
    };

    // Tests the once-only markers and keeps the result.
    static void load();
    // The result of the last load() (all off before the first).
    static const Flags& flags();
    // Replaces the kept result (tests, tools).
    static void setFlags(const Flags& flags);

    static bool exists(const QString& name);
    static bool traceLogOn() { return exists(DebugFlg); }
    static bool sendSystemProgramAlways() { return exists(WriteSys); }
};
