// The factory of display objects by type code, declared in TLCDBlockObj.h.

#include "TLCDBlockObj.h"
#include "TLcdBZTU.h"
#include "TLcdBitmap.h"
#include "TLcdDText.h"
#include "TLcdFText.h"
#include "TLcdKey.h"
#include "TLcdLight.h"
#include "TLcdLightDtext.h"
#include "TLcdText.h"
#include "TLcdTimepiece.h"
#include "Tlcdqushitu.h"

std::unique_ptr<TLCDBlockObj> CreateObject(int typeCode, const TObjectContext& context)
{
    switch (typeCode) {
    case 411:
        return std::make_unique<TLcdLight>(context);
    case 412:
        return std::make_unique<TLcdKey>(context);
    case 413:
        return std::make_unique<TLcdText>(context);
    case 414:
        return std::make_unique<TLcdDText>(context);
    case 415:
        return std::make_unique<TLcdFText>(context);
    case 416:
        return std::make_unique<TLcdBZTU>(context);
    case 417:
        return std::make_unique<Tlcdqushitu>(context);
    case 418:
        return std::make_unique<TLcdBitmap>(context);
    case 420:
        return std::make_unique<TLcdLightDtext>(context);
    case 421:
        return std::make_unique<TLcdTimepiece>(context);
    default:
        return nullptr; // 419 is the alarm list, not a display object
    }
}

QSize DefaultPlacementSize(int typeCode, const TObjectContext& context)
{
    switch (typeCode) {
    case 411:
    case 412:
        return {16, 16};
    case 413:
        return {8 * int(context.staticTextDefault.size()), 16};
    case 414:
        return {8 * int(context.dynamicTextDefault.size()), 16};
    case 415:
        return {40, 16};
    case 416:
        return {16, 48};
    case 417:
        return {96, 48};
    case 418:
        return TLcdBitmap::LastPictureSize();
    case 420:
        return {24, 16}; // "OFF"
    case 421:
        return {72, 16};
    default:
        return {0, 0};
    }
}
