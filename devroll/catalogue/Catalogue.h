#pragma once

#include "TZd740drive.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The catalogue: every model read from the ".das" files of the "plcdrives"
// folder beside the host program, and the option index map that places them
// and the built-in models in Designer's PLC selection list.
class Catalogue
{
public:
    // The one catalogue of the library.
    static Catalogue& instance();

    // Frees every record and reads every "*.das" file of folder (sorted by name,
    // directories skipped); a file that cannot be read is reported in
    // lastScanErrors() and left out. Then the list is ordered by PlcID (a
    // stable sort: equal IDs keep their file order).
    void scan(const QString& folder);
    // scan() of the "plcdrives" folder of the program folder.
    void scanDefault();
    // One message per file the last scan left out, naming the file and the place.
    const QStringList& lastScanErrors() const { return scanErrors_; }
    // One message per file the last scan kept although it could not read it in
    // full (it ends early, or its first filler count is out of range); the
    // record carries the same text in readWarning.
    const QStringList& lastScanWarnings() const { return scanWarnings_; }

    const std::vector<std::unique_ptr<TZd740drive>>& records() const { return records_; }
    // The first record in list order whose PlcID equals code, or null.
    TZd740drive* find(int code) const;

    // Editing (the catalogue editor and tests): a new record with defaults
    // appended (Modified set), or record i removed (later ones move up).
    TZd740drive* add();
    void remove(int i);

    // The option index map, recomputed after every scan: codes 2 to 20 take
    // the first 19 option indexes that no record's PlcIndex uses, in code
    // order; code 0 has 1197 and code 125 has 1198. Until the first
    // computation every built-in entry is 0.
    void computeOptionIndexes();
    // The PLC code at an option index, 255 when none (Getplccode).
    std::uint8_t plcCodeAt(std::int32_t optionIndex) const;
    // The option index of a code, 0 when none (Getplcitemindex).
    std::int32_t optionIndexOf(std::uint8_t code) const;
    // Whether optionIndexOf(code) names a real entry (0 is also a valid index).
    bool hasOptionIndex(std::uint8_t code) const;

    // Saving after editing: the consistency checks first (same caption, same
    // PlcID, same driver file name); each finding is one line of the result
    // and blocks the whole save. Otherwise each modified record is offered to
    // confirm (the question text) and, when confirmed, written atomically to
    // folder/DriveFile.das, logged in driversreadme.txt and reported. A
    // record saved under a new driver file name has its old file removed.
    //
    // A record is not written (it stays Modified, and failures says why) when
    // its driver file name is empty or holds a path separator, when its file
    // exists but is not the one it was read from (a file the last scan left
    // out, or another record's file not yet moved away), or when writing
    // fails; the old file then stays as it was. The old file of a renamed
    // record is only removed from the same folder, and never when the record
    // could not read it (contentUnread). An empty confirm saves without
    // asking. Entries of lines may hold "\r\n" line breaks.
    struct SaveResult
    {
        bool blocked = false; // a consistency finding stopped the save
        QStringList lines;    // what the editor's output box shows
        QStringList failures; // why records were not written, naming the files (also in lines)
    };
    using Confirm = std::function<bool(const QString& question)>;
    SaveResult saveChanged(const QString& folder, const Confirm& confirm);

    // The text of the error box shown when the checks found something.
    static QString blockedMessage();
    // The captions of that error box and of the question box.
    static QString blockedCaption();
    static QString confirmCaption();

private:
    // One output line per pair of records that clash, empty when none do.
    QStringList consistencyFindings() const;
    // Why record must not be written to path, empty when it may.
    QString refusal(const TZd740drive& record, const QString& path) const;
    void saveRecord(TZd740drive& record, const QString& folder, const Confirm& confirm, SaveResult& result);
    void removeOldFile(const TZd740drive& record, const QString& newPath, SaveResult& result) const;
    // Whether path is the file some record other than record was read from.
    bool isOtherRecordsFile(const TZd740drive& record, const QString& path) const;

    std::vector<std::unique_ptr<TZd740drive>> records_;
    QStringList scanErrors_;
    QStringList scanWarnings_;
    std::array<std::int32_t, 19> builtinIndex_{}; // codes 2 to 20
    bool mapComputed_ = false;
};
