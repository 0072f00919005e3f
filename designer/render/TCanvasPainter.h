#pragma once

#include "ObjectPainter.h"

#include <QByteArray>
#include <cstdint>
#include <unordered_map>

// The editor's and the simulator's drawing of every display object, installed
// as the model's ObjectPainter. Paint draws an object as the editor shows it,
// with its selection marks, and may update its size (and move it back inside
// the panel); PaintBody draws the content with the live values.
//
// Registers and bar graphs keep no live value in the model; the simulator
// hands it in with SetLiveValue before drawing them. A register's drawn
// length, which PaintBody needs to clear stale digits, is kept here too.
class TCanvasPainter : public ObjectPainter
{
public:
    void Paint(TLCDBlockObj& object, QPainter& canvas) override;
    void PaintBody(TLCDBlockObj& object, QPainter& canvas) override;

    // The value a register or bar graph shows in PaintBody (0 until set).
    void SetLiveValue(const TLCDBlockObj& object, std::int64_t value);
    // Forgets every live value and drawn length (the end of a run).
    void ClearLiveState();

private:
    struct LiveState
    {
        QByteArray objectId; // guards against a new object at a freed address
        std::int64_t value = 0;
        int drawnLength = 0;
    };
    LiveState& liveStateOf(const TLCDBlockObj& object);

    std::unordered_map<const TLCDBlockObj*, LiveState> live_;
};
