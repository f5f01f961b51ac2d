#include "document/name_forms.h"

#include "document/text_encoding.h"
#include "engine/zodiac.h"

namespace lumikan::document {

QString planetNameInForm(engine::BodyId body, int form)
{
    return toQString(engine::bodyName(body, form == 1 || form == 2 ? form : 0));
}

QString lordNameInForm(engine::LordIndex lord, int form)
{
    return planetNameInForm(engine::lordToBody(lord), form);
}

QString nakshatraNameInForm(int nakshatra, int form)
{
    if (!engine::isValidNakshatra(nakshatra))
        return QStringLiteral("-");
    switch (form) {
    case 1: return toQString(engine::nakshatraNameShort(nakshatra));
    case 2: return toQString(engine::nakshatraName(nakshatra));
    default: return toQString(engine::nakshatraNameUpper(nakshatra));
    }
}

QString signNameInForm(int sign, int form)
{
    switch (form) {
    case 1: return toQString(engine::signNameShort(sign));
    case 2: return toQString(engine::signName(sign));
    default: return toQString(engine::signNameUpper(sign));
    }
}

}  // namespace lumikan::document
