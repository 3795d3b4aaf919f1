#include "Clock.h"

#include <QDateTime>
#include <QLocale>

VbDate SystemClock::now() const
{
    const QDateTime local = QDateTime::currentDateTime();
    const double days = QDate(1899, 12, 30).daysTo(local.date());
    return VbDate{days + local.time().msecsSinceStartOfDay() / 86400000.0};
}

std::string localTimeNow()
{
    return QDateTime::currentDateTime().toString(Qt::ISODate).toStdString();
}

std::string shortDateTime(const std::string& isoTime)
{
    const QDateTime time = QDateTime::fromString(QString::fromStdString(isoTime), Qt::ISODate);
    return time.isValid() ? QLocale().toString(time, QLocale::ShortFormat).toStdString() : isoTime;
}
