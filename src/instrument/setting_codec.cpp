#include "instrument/setting_codec.h"

#include <vector>

#include "instrument/setting_values.h"
#include "link/frames.h"
#include "link/reply_fields.h"

namespace inst {

namespace {

// The item a one-character field names; none when the byte is not a digit or
// the list has no such item, so that a list never shows a choice the
// instrument did not make.
int DigitItem(const Setting& setting, char digit) {
  const int item = IsDecimalDigit(digit) ? DigitValue(digit) : -1;
  return item < ItemCount(setting) ? item : -1;
}

// The item of a minutes field, or -1 when it is not digits only or not in the list.
int MinutesFieldItem(const Setting& setting, const std::string& field) {
  if (static_cast<int>(field.size()) != setting.read.width) return -1;
  for (char c : field)
    if (!IsDecimalDigit(c)) return -1;
  int minutes;
  return LeadingNumber(field, setting.read.width, minutes) ? MinutesItem(setting, minutes) : -1;
}

}  // namespace

std::string FieldText(const ReplyField& field, const ReplyReader& reply) {
  switch (field.form) {
    case ReplyForm::Number: return reply.Number(field.position, field.width);
    case ReplyForm::Signed: return reply.SignedNumber(field.position, field.width);
    case ReplyForm::SignedOrWhole:
      if (IsDecimalDigit(reply.At(field.position))) return reply.Number(field.position, field.width + 1);
      return reply.SignedNumber(field.position, field.width);
    default: return reply.Field(field.position, field.width);
  }
}

namespace {

void TakeField(const Setting& setting, const ReplyReader& reply, SettingValue& value) {
  const ReplyField& field = setting.read;
  if (field.form == ReplyForm::Digit) value.item = DigitItem(setting, reply.At(field.position));
  else if (field.form == ReplyForm::Minutes) value.item = MinutesFieldItem(setting, reply.Field(field.position, field.width));
  else value.text = FieldText(field, reply);
}

using DigitFrame = std::string (*)(char digit);

bool SelectionFrame(const SettingValue& value, DigitFrame frameOf, std::string& frame) {
  char digit;
  if (!SelectionDigit(value.item, digit)) return false;
  frame = frameOf(digit);
  return true;
}

bool ClockFrameOf(const InstrumentSettings& values, std::string& frame) {
  std::string digits;
  if (!values.hasClock || !ClockDigits(values.clock, digits)) return false;
  frame = ClockFrame(digits);
  return true;
}

bool IoTIntervalFrameOf(const Setting& setting, const SettingValue& value, std::string& frame) {
  const int minutes = ItemMinutes(setting, value.item);
  if (minutes < 0) return false;
  frame = IoTIntervalFrame(minutes);
  return true;
}

// The leading digits of each hour text (an empty text gives hour 0); an hour
// of more than two digits is not sent.
bool IoTHoursFrameOf(const SettingValue& start, const SettingValue& stop, std::string& frame) {
  int startHour, stopHour;
  if (!LeadingNumber(start.text, 2, startHour) || !LeadingNumber(stop.text, 2, stopHour)) return false;
  frame = IoTCommHoursFrame(startHour, stopHour);
  return true;
}

}  // namespace

bool TakeReply(char letter, const ReplyReader& reply, InstrumentSettings& values) {
  if (!reply.Answered()) return false;
  InstrumentSettings taken = values;
  for (const Setting& setting : Settings()) {
    if (setting.read.letter != letter) continue;
    if (setting.kind == Kind::Clock) {
      const std::string digits = reply.Field(setting.read.position, setting.read.width);
      if (!ParseClockDigits(digits, taken.clock)) return false;
      taken.hasClock = true;
      taken[setting].text = digits;   // a front end that shows the clock its own way puts its own text
    } else {
      TakeField(setting, reply, taken[setting]);
    }
  }
  if (reply.Damaged()) return false;   // a control byte where a setting was read
  values = taken;
  return true;
}

bool GroupFrame(Group group, const InstrumentSettings& values, std::string& frame) {
  const std::vector<const Setting*> settings = GroupSettings(group);
  const SettingValue& first = values[*settings.front()];
  switch (group) {
    case Group::AutoPowerOff: return SelectionFrame(first, &AutoPowerOffFrame, frame);
    case Group::AlarmMode: return SelectionFrame(first, &PatrolLightModeFrame, frame);
    case Group::ModelCode: return SelectionFrame(first, &ModelCodeFrame, frame);
    case Group::Clock: return ClockFrameOf(values, frame);
    case Group::Buzzer: frame = BuzzerAlarmFrame(first.text); return true;
    case Group::MemoryInterval: frame = MemoryIntervalFrame(first.text); return true;
    case Group::HumidityLimit: frame = HumidityLimitFrame(first.text); return true;
    case Group::IoTInterval: return IoTIntervalFrameOf(*settings.front(), first, frame);
    case Group::IoTHours: return IoTHoursFrameOf(first, values[*settings[1]], frame);
    case Group::Levels: {
      std::string levels[4];
      for (int i = 0; i < 4; ++i) levels[i] = values[*settings[static_cast<size_t>(i)]].text;
      frame = PatrolLightThresholdsFrame(levels);
      return true;
    }
  }
  return false;
}

}  // namespace inst
