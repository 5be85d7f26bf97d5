// What a front end is told while the instrument object runs a sequence: the
// failed steps, in the words the user reads, and what was taken, so that a
// view can show it at once. A reporter tells; it changes no state of the
// instrument.
#pragma once
#include "instrument/catalogue.h"
#include "instrument/instrument_settings.h"

namespace inst {

enum class Icon { Error, Exclamation };

// How the write of one setting group ended: acknowledged, not acknowledged
// (refused, or no answer in time), sent whole but left without its
// acknowledgement (the line went while it was awaited, or the write was
// stopped), or not sent whole because the line is gone.
enum class WriteOutcome { Acknowledged, Refused, Unanswered, LineGone };

class Instrument;

class Reporter {
public:
  virtual ~Reporter() = default;
  // One message of a failed step.
  virtual void Tell(const char* message, const char* caption, Icon icon) = 0;
  // The settings of the reply of `letter` were taken into the instrument's values.
  virtual void Taken(char letter, const Instrument& instrument) { (void)letter, (void)instrument; }
  // Then: puts into `values` the settings of `letter` as the view now shows
  // them, where it cannot show a text as it came (a lead byte without its
  // trail shows as "・"), so that what the instrument is taken to hold is what
  // a Set right after the read finds, and sends nothing. Nothing by default.
  virtual void AsShown(char letter, InstrumentSettings& values) { (void)letter, (void)values; }
  // Page `page`'s texts of the reply of `letter` were taken: the identity
  // ('v'), user page 2's auto power-off and clock ('Q', 'T'), or readings.
  virtual void Shown(int page, char letter, const Instrument& instrument) {
    (void)page, (void)letter, (void)instrument;
  }
  // A setting group was sent, and how that ended.
  virtual void Written(Group group, WriteOutcome outcome) { (void)group, (void)outcome; }
  // Asked before each command of a sequence (a query, a group of a write),
  // before each resend of a group and while a memory download's records come
  // in: true ends the sequence there, the command on the line finished
  // first (a setting frame sent gets its wait for the acknowledgement); what
  // was not run is not told as failed. Never, unless the front end says so.
  virtual bool Stopped() { return false; }
};

}  // namespace inst
