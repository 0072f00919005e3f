#pragma once

// What the download image takes from Designer rather than from the project.
struct TImageOptions
{
    // Byte 0 of the image name field: the built-in text set last sent during
    // this run (its language number, 250 for the user-defined set, 0 if none).
    int textSetId = 0;
    // The jump-support marker of the project's PLC model is present: the jump
    // table and the alarm page table go into the image.
    bool jumpSupport = false;
    // m_DebugPackCodeToFile.tmp: every record and the image go to PackCode%d.txt.
    bool packTraces = false;
    // alertpeek.dll in the program folder: the alarm list goes to AlrmCode%d.txt.
    bool alarmTraces = false;

    // Whether the lib folder holds "jumptopage<code>.zdl", the marker of the
    // models whose panels read the jump tables. Only its presence counts.
    static bool JumpSupportMarkerExists(int plcCode);
    // Whether the program folder holds "alertpeek.dll" (never loaded).
    static bool AlarmTraceMarkerExists();
};
