#include "engine/kp_lords.h"

#include "engine/zodiac.h"

namespace lumikan::engine {

namespace {

double subSpan(LordIndex lord, double parentWidth)
{
    return static_cast<double>(DASHA_YEARS[lord]) / kDashaCycleYears * parentWidth;
}

// The lord, counted from `first`, whose part of `width` holds `offset`; the
// fallback when rounding leaves the offset past the last part.
LordIndex walkParts(LordIndex first, double width, double offset, LordIndex fallback)
{
    double cum = 0.0;
    for (int k = 0; k < kLordCount; ++k) {
        const LordIndex lord = (first + k) % kLordCount;
        const double span = subSpan(lord, width);
        const bool afterStart = k == 0 ? offset >= 0.0 : offset >= cum;
        if (afterStart && offset < cum + span)
            return lord;
        cum += span;
    }
    return fallback;
}

}  // namespace

LordIndex subLordOf(LordIndex starLord, double offsetDeg)
{
    if (!isValidLord(starLord))
        return starLord;
    return walkParts(starLord, kNakshatraSpanDecimal, offsetDeg, starLord);
}

LordIndex subSubLordOf(LordIndex starLord, LordIndex subLord, double offsetDeg)
{
    if (!isValidLord(starLord) || !isValidLord(subLord))
        return subLord;
    double start = 0.0;
    double width = 0.0;
    for (int k = 0; k < kLordCount; ++k) {
        const LordIndex lord = (starLord + k) % kLordCount;
        if (lord == subLord) {
            width = subSpan(lord, kNakshatraSpanDecimal);
            break;
        }
        start += subSpan(lord, kNakshatraSpanDecimal);
    }
    return walkParts(subLord, width, offsetDeg - start, subLord);
}

KpLords kpLordsOf(double longitudeDeg)
{
    KpLords lords;
    lords.signLord = signLord(signOf(longitudeDeg));
    lords.starLord = nakshatraLord(nakshatraOf(longitudeDeg));
    const double offset = offsetInNakshatra(longitudeDeg);
    lords.subLord = subLordOf(lords.starLord, offset);
    lords.subSubLord = subSubLordOf(lords.starLord, lords.subLord, offset);
    return lords;
}

}  // namespace lumikan::engine
