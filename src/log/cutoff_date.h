// Which month-and-day names are old: the log keeps the days after the cut-off
// day, a number of days before today, up to today. Names carry no year, so a
// month and day after today are last year's.
#pragma once

struct CalendarDate {
  int year;
  int month;   // 1-12
  int day;     // 1-31
};

// `today` minus `age` days, the age kept within 0-100 (February has the length of
// today's year, which is right for every date within 100 days before today).
CalendarDate CutOffDate(const CalendarDate& today, int age);

// The days of one month that are deleted: the whole month, or days 1 to
// `deleteUpTo` and days `deleteFrom` to 31 (either range may be empty).
struct MonthDeletion {
  bool wholeMonth;
  int deleteUpTo;   // 0: none from the start
  int deleteFrom;   // 32: none to the end
};

MonthDeletion DeletionOfMonth(int month, const CalendarDate& cutOff, const CalendarDate& today);

// True when a name of month `month` and day `day` is older than the cut-off or
// later than today. A month outside 1-12 is never old; day 00 and days above
// 31 are old only in a month deleted whole.
bool IsOldLogDate(int month, int day, const CalendarDate& cutOff, const CalendarDate& today);
