#include "document/local_clock.h"

#include <QDateTime>

namespace lumikan::document {

engine::LocalDateTime systemNow()
{
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(),  t.date().day(),
            t.time().hour(), t.time().minute(), t.time().second()};
}

engine::LocalDateTime readClock(const Clock& clock)
{
    return clock ? clock() : systemNow();
}

} // namespace lumikan::document
