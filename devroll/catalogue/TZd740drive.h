#pragma once

#include "DriveTypes.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// One catalogue model: everything the library knows about a PLC model that is
// not built in. Its PLC code is PlcID (21 to 255); PlcIndex is its position in
// Designer's PLC selection list. Read from and written to ".das" files by
// DasFile; owned by the Catalogue.
class TZd740drive
{
public:
    TZd740drive(); // the defaults of a new record, EditTime = now

    double Reserved = 0.0;
    std::vector<TdrivevalueL> BitTypes;
    std::vector<TdrivevalueD> WordTypes;
    std::array<std::uint8_t, 201> SpareTable{};
    std::array<QByteArray, 3> Captions; // simplified Chinese, traditional Chinese, English
    std::int32_t PlcID = 0;
    std::int32_t PlcIndex = -1;
    std::uint8_t BasedOnOther = 0;
    std::int32_t BaseID = 0;
    QByteArray DriveFile; // file name without folder and extension; not stored
    std::int32_t BaudRate = 9600;
    std::uint8_t DataBits = 8;
    std::uint8_t Parity = 0;
    std::uint8_t StopBits = 1;
    std::uint8_t CommExtra = 0;
    std::uint8_t StationEditable = 1;
    std::uint8_t StationUsed = 1;
    std::uint8_t StationMin = 0;
    std::uint8_t StationMax = 255;
    std::uint8_t StationDefault = 0;
    std::uint8_t StationRadix = 0; // 0 decimal, 1 hexadecimal, 2 octal
    QString FilePath;              // the file it was read from; not stored
    Tlisirecord History;
    std::uint8_t Modified = 1;
    std::uint8_t PassProtect = 0;
    QByteArray Password = "7364";

    // Not stored. What reading FilePath ran into, empty when the whole file was
    // read: the file ended early (the fields from there on kept their
    // defaults) or its first filler count was out of range (only defaults).
    // Such a record is only ever written back after the user changed it.
    QString readWarning;
    // Not stored. Set when the file's content could not be read at all (first
    // filler count out of range): the record then stands for nothing in that
    // file, so saving it under another driver file name leaves the file alone.
    bool contentUnread = false;

    // The caption for Designer's language number: 1 simplified Chinese,
    // 2 traditional Chinese, any other the English one.
    const QByteArray& caption(int lang) const;

    // Type lists. get* return false when i is outside the list; replace and
    // delete do nothing then. Replace and delete set Modified; append leaves it
    // to the caller (the editor sets it after every append).
    bool getBitType(int i, TdrivevalueL& out) const;
    void replaceBitType(int i, const TdrivevalueL& value);
    void appendBitType(const QByteArray& name);
    void deleteBitType(int i);
    bool getWordType(int i, TdrivevalueD& out) const;
    void replaceWordType(int i, const TdrivevalueD& value);
    void appendWordType(const QByteArray& name);
    void deleteWordType(int i);

    // The defaults of a type appended at position index.
    static TdrivevalueL newBitType(const QByteArray& name, int index);
    static TdrivevalueD newWordType(const QByteArray& name, int index);

    // Types offered to an object kind: the stored types whose usage flag for
    // the kind is exactly 1, in stored order. Bit kinds 411, 412, 419; word
    // kinds 412, 414 to 417. Other kinds offer no types.
    int bitTypeCount(int kind) const;
    const TdrivevalueL* bitType(int kind, int typeIndex) const;
    int wordTypeCount(int kind) const;
    const TdrivevalueD* wordType(int kind, int typeIndex) const;

    // "%d-%d-%d %d:%d:%d" of the local time, without zero padding.
    static QByteArray editTimeNow();
};
