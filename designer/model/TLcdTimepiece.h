#pragma once

#include "TLcdText.h"

// A date/time display (421). Its Text is the text of its time format.
class TLcdTimepiece : public TLcdText
{
public:
    static constexpr int FormatCount = 9;
    static constexpr int WeekFormat = 8;

    explicit TLcdTimepiece(const TObjectContext& context);

    std::int32_t TimeFormat = 0; // 0..8; stored as 0 in week mode
    bool WeekMode = false;       // shows the week format
    std::uint8_t StationNo = 0;
    std::int32_t AddrType = 0;
    std::int32_t Addr1 = 0;
    std::int32_t Addr2 = 0;
    std::int32_t Addr3 = 0;
    std::uint8_t SpareByte = 0;
    bool InputEnabled = false;
    bool InputPassword = false;
    bool ClockBlock = false;    // "时钟功能块"
    std::int32_t CharCount = 0; // characters shown

    // Copies the text fields, the binding, the spare byte, CharCount,
    // WeekMode, and also TimeFormat, InputEnabled, InputPassword and
    // ClockBlock, which a copy must not lose.
    void Assign(const TLCDBlockObj& source) override;
    void SaveToStream(TBinaryWriter& out) override;
    void LoadFromStream(TBinaryReader& in) override;
    void WriteJson(QJsonObject& json) const override;
    void ReadJson(const QJsonObject& json) override;

    // "YYYY-MM-DD HH-MM-SS", "HHH-MM-SS- MS", ... "WEEK  HH-MM-SS"; format 0's
    // text for an index outside 0..8.
    static QByteArray FormatText(int format);
    // Formats 4 to 8 are the short ones.
    static bool IsShortForm(int format) { return format >= 4 && format < FormatCount; }

    // Stores the format (0 in week mode, which shows the week format), sets
    // Text to its text and Width to 8 dots per character.
    void SetTimeFormat(int format);
    void SetWeekMode(bool weekMode);
    // CharCount := n, Width := 8 x n.
    void SetCharCount(std::int32_t n);
    // Text from TimeFormat and WeekMode, as after loading.
    void RefreshTimeText();

protected:
    bool GrowsToText() const override { return true; }
    bool LimitsToPanel() const override { return false; }
};
