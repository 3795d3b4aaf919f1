#include "Clock.h"

#include <QDateTime>

VbDate SystemClock::now() const
{
    const QDateTime local = QDateTime::currentDateTime();
    const double days = QDate(1899, 12, 30).daysTo(local.date());
    return VbDate{days + local.time().msecsSinceStartOfDay() / 86400000.0};
}
