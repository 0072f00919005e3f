#pragma once

#include "TFontRecord.h"
#include "TLCDBlockObj.h"
#include "TextMeasurer.h"

// A static text (413), and the base of every object that shows a text: state
// texts, registers, message displays and time displays share its text, font
// and style fields and its part of the object record.
class TLcdText : public TLCDBlockObj
{
public:
    static constexpr qsizetype ReservedBlockSize = 100;

    explicit TLcdText(const TObjectContext& context);

    QByteArray Text;
    // The text before the last SetText; Fit restores it when the new text is too wide.
    QByteArray PrevText;
    bool UseWinFont = false; // draw with Font instead of the panel's characters
    TFontRecord Font;
    bool DoubleSize = false;
    bool Reverse = false;
    QByteArray ReservedBlock = QByteArray(ReservedBlockSize, char(0xFF));
    std::int32_t SpareInt = 0; // in a built-in menu text set, the text number

    void Assign(const TLCDBlockObj& source) override;
    void SaveToStream(TBinaryWriter& out) override;
    void LoadFromStream(TBinaryReader& in) override;
    void WriteJson(QJsonObject& json) const override;
    void ReadJson(const QJsonObject& json) override;

    // Keeps the current text in PrevText and stores the new one.
    void SetText(const QByteArray& text);
    // Keeps the object inside the panel after a change of text, style or
    // position: registers and time displays grow to their text, a text wider
    // than the panel falls back to PrevText, and the object is moved inside.
    void Fit();

    // The text's size in dots with this object's style.
    TextExtent MeasureText(const QByteArray& text) const;
    // The text cut character by character until it measures at most maxWidth
    // dots (with doubleSize as given).
    QByteArray FitTextToWidth(QByteArray text, int maxWidth, bool doubleSize) const;

    // A static text's size from what it draws; an empty text is 2 x 16. Then Fit.
    void UpdateStaticSize();
    // Text typed into the editor: cut to the panel width, stored with SetText,
    // and the size taken from it. Returns the text stored.
    QByteArray SetTypedText(const QByteArray& text);

protected:
    TLcdText(int typeCode, const TObjectContext& context);

    // Registers and time displays grow to hold their text in panel characters.
    virtual bool GrowsToText() const { return false; }
    // Whether a text wider than the panel is undone (not for time displays,
    // whose widest format is wider than the panel at double size).
    virtual bool LimitsToPanel() const { return true; }
};
