#include "instrument/setting_codec.h"

#include <cstdio>
#include <cstring>
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

// The digits of `value` in `width` places.
std::string Digits(int value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, value);
  return text;
}

// One part of a frame's payload from the values; false when the value is
// none the frame can carry.
bool PartText(const FramePart& part, const InstrumentSettings& values, std::string& text) {
  if (part.form == FrameForm::Text) {
    text = part.text;
    return true;
  }
  const Setting& setting = *FindSetting(part.text);
  const SettingValue& value = values[setting];
  int number;
  char digit;
  switch (part.form) {
    case FrameForm::Item:
      if (!SelectionDigit(value.item, digit)) return false;
      text = std::string(1, digit);
      return true;
    case FrameForm::ZeroFilled: text = ZeroFill(value.text, part.width); return true;
    case FrameForm::Digits:
      if (!LeadingNumber(value.text, part.width, number)) return false;
      text = Digits(number, part.width);
      return true;
    case FrameForm::Minutes:
      number = ItemMinutes(setting, value.item);
      if (number < 0) return false;
      text = Digits(number, part.width);
      return true;
    case FrameForm::Clock: return values.hasClock && ClockDigits(values.clock, text);
    case FrameForm::Text: break;
  }
  return false;
}

}  // namespace

bool TakeReply(char letter, const ReplyReader& reply, InstrumentSettings& values) {
  if (!reply.Answered()) return false;
  InstrumentSettings taken = values;
  for (const Setting& setting : Settings()) {
    if (setting.read.letter != letter) continue;
    if (setting.kind == Kind::Clock) {
      plat::LocalTime clock{};
      if (!ParseClockDigits(reply.Field(setting.read.position, setting.read.width), clock)) return false;
      taken.SetClock(&clock);
    } else {
      TakeField(setting, reply, taken[setting]);
    }
  }
  if (reply.Damaged()) return false;   // a control byte where a setting was read
  values = taken;
  return true;
}

bool GroupFrame(Group group, const InstrumentSettings& values, std::string& frame) {
  std::string payload, text;
  for (const FramePart& part : group->payload) {
    if (!PartText(part, values, text)) return false;
    payload += text;
  }
  frame = SettingFrame(group->head, payload);
  return true;
}

int FrameLength(Group group) {
  int length = static_cast<int>(std::strlen(group->head)) + 2;   // STX, ETX
  for (const FramePart& part : group->payload)
    length += part.form == FrameForm::Text ? static_cast<int>(std::strlen(part.text)) : part.width;
  return length;
}

}  // namespace inst
