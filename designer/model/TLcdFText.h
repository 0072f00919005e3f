#pragma once

#include "TLcdText.h"

#include <array>

// A register (415): a PLC word shown as a number, optionally entered by the
// operator. In the editor its Text is a placeholder that shows the format.
class TLcdFText : public TLcdText
{
public:
    static constexpr int MaxDigits = 11;
    static constexpr int MaxDecimals = 10;

    explicit TLcdFText(const TObjectContext& context);

    bool HasUnits = false;
    std::int32_t Digits = 5;     // 1..11
    std::int32_t Decimals = 0;   // 0..10
    std::int32_t DataFormat = 0; // 0 unsigned decimal, 1 HEX/BCD, 2 signed decimal
    bool Signed = false;
    std::int32_t StationNo = 0;
    std::int32_t AddrType = 0;
    std::int32_t RegCount = 1;
    std::int32_t Addr1 = 0;
    std::int32_t Addr2 = 0;
    std::int32_t Addr3 = 0;
    bool InputEnabled = false;  // "Set"
    bool InputPassword = false; // "Password"
    bool LimitEnabled = false;  // "Limite"
    std::int32_t LimitOn = 0;   // 0 the raw value, 1 the engineering value
    std::int64_t InputMax = 65535;
    std::int64_t InputMin = 0;
    std::int64_t EngMax = 65535;
    std::int64_t EngMin = 0;
    std::array<QByteArray, 3> UnitTexts{"m", "s", "1/100s"};

    void Assign(const TLCDBlockObj& source) override;
    void SaveToStream(TBinaryWriter& out) override;
    void LoadFromStream(TBinaryReader& in) override;
    void WriteJson(QJsonObject& json) const override;
    void ReadJson(const QJsonObject& json) override;

    // Digits "1234567890..." that show the format: the integer digits, the
    // locale decimal separator and the decimals; HEX/BCD shows Digits digits
    // only; signed decimal starts with "-".
    QByteArray Placeholder() const;
    // Text := Placeholder(); run whenever the format changes.
    void RefreshPlaceholder();

protected:
    bool GrowsToText() const override { return true; }

private:
    void readPackedBlock(TBinaryReader& in);
};
