#pragma once

#include "TLCDBlockObj.h"

#include <QImage>
#include <QString>
#include <array>

// A function key (412): a touch area on one of the panel's keys that sets a
// coil, jumps to a screen or writes a register.
class TLcdKey : public TLCDBlockObj
{
public:
    static constexpr int KeyCount = 14; // 0 left, 1 right, 2..11 digits 0..9, 12 CLR, 13 +/-

    explicit TLcdKey(const TObjectContext& context);

    QImage Glyph;     // the key picture, from the picture source
    QImage HandGlyph; // the hand picture beside a key with HandMark
    bool DoubleSize = false;
    bool Reverse = false;
    std::int32_t KeyIndex = 0;
    bool HandMark = false;
    bool Invisible = false;
    bool KeyPassword = false;
    std::int32_t Action = 1; // 0 set coil, 1 jump to, 2 set register
    std::int32_t CoilStation = 0;
    std::int32_t CoilAddr1 = 0;
    std::int32_t CoilAddr2 = 0;
    std::int32_t CoilAddr3 = 0;
    std::int32_t CoilAddrType = 0;
    std::int32_t CoilOp = 0; // 0 ON, 1 OFF, 2 reverse, 3 ON->OFF
    std::int32_t JumpToAlarmList = 0;
    std::int32_t JumpScreen = 0;
    std::int32_t RegStation = 0;
    std::int32_t RegAddr1 = 0;
    std::int32_t RegAddr2 = 0;
    std::int32_t RegAddr3 = 0;
    std::int32_t RegAddrType = 0;
    std::int32_t ValueFormat = 0;
    std::int32_t Value = 0;
    std::array<std::int32_t, 5> SpareInts{};

    // The key copy: the size and every key field, KeyIndex included, then the
    // pictures are reloaded.
    void Assign(const TLCDBlockObj& source) override;
    void SaveToStream(TBinaryWriter& out) override;
    void LoadFromStream(TBinaryReader& in) override;
    void WriteJson(QJsonObject& json) const override;
    void ReadJson(const QJsonObject& json) override;

    // The picture code of a key index: 0 gives 1 (3 with the key-code
    // variant), 1 gives 2 (4), 2..11 give 8..17, 12 gives 18, 13 gives 19;
    // -1 for an index outside 0..13.
    static int KeyCode(int keyIndex, bool keyCodeVariant);
    // The picture word of a key code ("mKeyleft", "mKeynum0", ...); empty for
    // an unknown code.
    static QString KeyWord(int keyCode);
    // The key picture's name: key word, variant digit (2 invisible, 1
    // reverse, 0 plain) and, when sizeSuffix is 16 or 32, that suffix. Empty
    // for a key index outside 0..13.
    QString PictureName(int sizeSuffix = 0) const;
    // "mkeysou1" with Reverse, else "mkeysou0".
    QString HandPictureName() const;
    void RefreshGlyphs();
    // The key's size from its flags (an invisible key is 16 x 16; HandMark
    // makes it 32 wide; DoubleSize doubles), pulled back inside the panel;
    // then the pictures are reloaded.
    void Refit();
};
