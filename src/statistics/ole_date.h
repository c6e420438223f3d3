#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The times of statistics records are OLE Automation dates: days since 30 December 1899,
// 00:00, with the time of day as the fraction, always local time.
namespace morvek::statistics {

// The date and the time of day in whole seconds as an OLE Automation date.
double ToOleDate(QDate date, QTime time);

// True when the value names a date in the years 100 to 9999.
bool IsValidOleDate(double oleDate);

// The value as "dd.MM.yyyy HH:mm:ss" (27.06.2013 12:00:00), rounded to the second;
// "Invalid DateTime" for an invalid one.
QString FormatOleDate(double oleDate);

} // namespace morvek::statistics
