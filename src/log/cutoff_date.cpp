#include "log/cutoff_date.h"

#include "platform/clock.h"

namespace {

const int kMaxAge = 100;
const int kLastDay = 31;
const MonthDeletion kWhole = {true, 0, kLastDay + 1};
const MonthDeletion kNone = {false, 0, kLastDay + 1};

}  // namespace

CalendarDate CutOffDate(const CalendarDate& today, int age) {
  if (age > kMaxAge) age = kMaxAge;
  if (age < 0) age = 0;
  CalendarDate date = today;
  while (age >= date.day) {
    age -= date.day;
    date.month = date.month == 1 ? 12 : date.month - 1;
    if (date.month == 12) --date.year;
    date.day = plat::DaysInMonth(today.year, date.month);
  }
  date.day -= age;
  return date;
}

MonthDeletion DeletionOfMonth(int month, const CalendarDate& cutOff, const CalendarDate& today) {
  const int cm = cutOff.month, tm = today.month;
  if (cm == tm) return month == tm ? MonthDeletion{false, cutOff.day, today.day + 1} : kWhole;
  if (month == cm) return {false, cutOff.day, kLastDay + 1};
  if (month == tm) return {false, 0, today.day + 1};
  if (cm < tm) return (month > cm && month < tm) ? kNone : kWhole;
  // The cut-off is in last year: only the months from it to December and from January to today stay.
  return (month > tm && month < cm) ? kWhole : kNone;
}

bool IsOldLogDate(int month, int day, const CalendarDate& cutOff, const CalendarDate& today) {
  if (month < 1 || month > 12) return false;
  const MonthDeletion deletion = DeletionOfMonth(month, cutOff, today);
  if (deletion.wholeMonth) return true;
  const bool inFirstDays = day >= 1 && day <= deletion.deleteUpTo;
  const bool inLastDays = day >= deletion.deleteFrom && day <= kLastDay;
  return inFirstDays || inLastDays;
}
