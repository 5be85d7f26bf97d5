// The sequences over the core: the read of user page 1's settings, the
// writes of the changed setting groups and the settings reset, over the
// values, the link and a Reporter for what the user is told and for the pause
// between commands.
#pragma once
#include <string>
#include <vector>

#include "instrument/catalogue.h"
#include "instrument/identity.h"
#include "instrument/instrument_settings.h"

class CSerial;

namespace inst {

enum class Icon { Error, Exclamation };

struct Instrument;

class Reporter {
public:
  virtual ~Reporter() = default;
  // One message of a failed step.
  virtual void Tell(const char* message, const char* caption, Icon icon) = 0;
  // The pause of SendDelay ms between two commands of a sequence.
  virtual void Pause() = 0;
  // The reply of `letter` was taken into the values.
  virtual void Taken(char letter, const InstrumentSettings& values) { (void)letter, (void)values; }
  // A setting group was sent; whether the instrument acknowledged it.
  virtual void Written(Group group, bool acknowledged) { (void)group, (void)acknowledged; }
  // Page `page`'s texts of the reply of `letter` were taken: the identity
  // ('v'), user page 2's auto power-off and clock ('Q', 'T'), or readings.
  virtual void Shown(int page, char letter, const Instrument& instrument) {
    (void)page, (void)letter, (void)instrument;
  }
  // Asked before each group of a write: true ends the write there.
  virtual bool Stopped() { return false; }
};

// What a sequence works on: the open link, whether the instrument has an IoT
// unit, the values, and the snapshot of what the instrument holds (as last
// read or acknowledged); and what the pages only show, as last read.
struct Instrument {
  CSerial* link = nullptr;
  bool iot = false;
  InstrumentSettings values;
  InstrumentSettings snapshot;
  Identity identity;
  std::string autoPowerOffText;        // user page 2's text; empty when the reply held no such choice
  std::string clockText;               // user page 2's text, the fields as they came
  std::vector<std::string> readings;   // per row of Readings(), empty until read
};

// User page 1's queries in their order ('s' only with an IoT unit), each
// reply taken into the values; stops at the first failure after telling it.
// 1 when every query was answered.
int ReadUser1Settings(Instrument& instrument, Reporter& reporter);

// The groups of user page 1 that differ from the snapshot, in their order
// (the IoT groups only with an IoT unit), with one resend budget; each
// failure told. 1 when every group sent was acknowledged.
int WriteUser1Settings(Instrument& instrument, Reporter& reporter);

// The humidity limit (only for a model code that has one), then the model
// code, each when it differs from the snapshot. 1 when every one sent was acknowledged.
int WriteMaker1Settings(Instrument& instrument, Reporter& reporter);

// Returns the instrument's settings to their initial values ('i'): one send
// and one wait for the acknowledgement, its failure told. 1 when the
// instrument acknowledged. The values and the snapshot stay as they are.
int ResetSettings(CSerial& link, Reporter& reporter);

// Copies the settings of `group` from `from` to `to`.
void CopyGroup(Group group, const InstrumentSettings& from, InstrumentSettings& to);
// Copies the settings of page `page` from `from` to `to`.
void CopyPage(int page, const InstrumentSettings& from, InstrumentSettings& to);

}  // namespace inst
