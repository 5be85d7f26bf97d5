// The settings commands, pure over bytes and values: a query's reply into
// values, and values into a setting frame.
#pragma once
#include <string>

#include "instrument/catalogue.h"
#include "instrument/instrument_settings.h"
#include "instrument/reply_reader.h"

namespace inst {

// Takes every setting that the reply of `letter` holds into `values`. False
// when the reply cannot be taken (a clock that is no date and time, or a
// control byte at a position a setting is read from); `values` is then
// unchanged.
bool TakeReply(char letter, const ReplyReader& reply, InstrumentSettings& values);

// The text of a number field as the pages show it (a Number, Signed,
// SignedOrWhole or Text field).
std::string FieldText(const ReplyField& field, const ReplyReader& reply);

// The setting frame of `group` built from `values` by its layout in the
// catalogue. False, and no frame, for values the frame cannot carry: a list
// without an item (or beyond the sixteenth), an hour of more than two digits,
// no clock or a year the instrument's clock cannot keep (kFirstClockYear).
bool GroupFrame(Group group, const InstrumentSettings& values, std::string& frame);

// The bytes of the frame of `group` when each value fills its field, STX and ETX included.
int FrameLength(Group group);

}  // namespace inst
