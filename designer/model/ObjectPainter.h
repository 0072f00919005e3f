#pragma once

class QPainter;
class TLCDBlockObj;

// Draws display objects. The model has no drawing of its own: the render
// layer installs its painter, and an object's Paint and PaintBody hand the
// object to it. Without an installed painter nothing is drawn, which is what
// headless tools want.
class ObjectPainter
{
public:
    virtual ~ObjectPainter() = default;

    // The object with its selection marks (the editor). Painting may update
    // the object's size from what it drew.
    virtual void Paint(TLCDBlockObj& object, QPainter& canvas) = 0;
    // The content only, with live values (the simulator).
    virtual void PaintBody(TLCDBlockObj& object, QPainter& canvas) = 0;

    // The installed painter, or null.
    static ObjectPainter* current();
    // Installs a painter (not owned); null removes it.
    static void setCurrent(ObjectPainter* painter);
};
