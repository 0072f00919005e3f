#pragma once

#include "TLcdText.h"

#include <array>

// A state text (414): one of 32 captions, chosen by the value of a PLC word.
class TLcdDText : public TLcdText
{
public:
    static constexpr int StateCount = 32;

    struct State
    {
        QByteArray ValueText; // the word's value that selects Caption (decimal or hexadecimal)
        QByteArray Caption;
        friend bool operator==(const State&, const State&) = default;
    };

    explicit TLcdDText(const TObjectContext& context);

    std::uint8_t StationNo = 0;
    std::int32_t AddrType = 0;
    std::int32_t Addr1 = 0;
    std::int32_t Addr2 = 0;
    std::int32_t Addr3 = 0;
    std::uint8_t HexValues = 0; // 1: the value texts are hexadecimal
    std::array<State, StateCount> States;

    // Run-time state of the simulator.
    std::int32_t CurrentValue = 0;
    QByteArray CurrentCaption;

    void Assign(const TLCDBlockObj& source) override;
    void SaveToStream(TBinaryWriter& out) override;
    void LoadFromStream(TBinaryReader& in) override;
    void WriteJson(QJsonObject& json) const override;
    void ReadJson(const QJsonObject& json) override;

    // Stores caption index 0..31, cut to the panel width (half of it with
    // double size), resizes the object to its widest caption and returns the
    // caption as stored. An index outside 0..31 changes nothing.
    QByteArray SetCaption(int index, const QByteArray& caption);
    // Sets DoubleSize and refits all 32 captions.
    void SetDoubleSize(bool doubleSize);
    // Width and Height from the widest and tallest caption, then Fit.
    void UpdateCaptionSize();

    // The caption the editor shows: the first that is not blank, else the
    // first that is not empty, else "D".
    QByteArray ShownCaption() const;
    // Text := ShownCaption().
    void RefreshShownText();
    // The simulator's value: CurrentCaption becomes the caption of the last
    // state whose value text equals it (empty when none does).
    void SelectState(std::int32_t value);
};
