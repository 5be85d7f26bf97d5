// The reads of what the pages only show, and the connection: who the
// instrument is, user page 2's auto power-off and clock texts, the
// measurement and maintenance readings; and the Read button's sequences of
// user page 2 and the maker pages, over the values, the link and a Reporter.
#pragma once
#include <memory>

#include "instrument/sequences.h"

class CSerial;

namespace inst {

// What the user is told when the clock or the measurement of user page 2 was
// not read (the steps of its Read, and tavo-cli's clock and monitor).
struct Message {
  const char* text;
  const char* caption;
};
extern const Message kClockTextFailed;
extern const Message kMeasurementFailed;

// One step each, over instrument.link: 1 when the reply came and was taken
// into `instrument` (the reporter then told by Shown, or by Taken for
// settings), 0 otherwise, `instrument` then as it was.
// '#v': the identity, the IoT unit and, for a known model, the model code.
int IdentifyInstrument(Instrument& instrument, Reporter& reporter);
// '$Q' as user page 2 shows it ("許可", "禁止").
int ReadAutoPowerOffText(Instrument& instrument, Reporter& reporter);
// '$T' as user page 2 shows it: "20YY/MM/DD hh:mm:ss", the fields unchecked.
int ReadClockText(Instrument& instrument, Reporter& reporter);
// The readings of page `page` in the reply of `letter` ('D', 'P' or 'G').
int ReadPageReadings(Instrument& instrument, Reporter& reporter, int page, char letter);
// '$V' for the A/D channel of item `channel` of maker page 2's list; no
// channel, nothing is asked and 0.
int ReadAdCounts(Instrument& instrument, Reporter& reporter, int channel);

// The Read button of user page 2, maker page 1 and maker page 2: every step
// in its order with a pause between two, each failure told; the result of
// the last step. Maker page 1 takes the humidity limit and the model code
// into the snapshot as the read leaves them.
int ReadUser2Page(Instrument& instrument, Reporter& reporter);
int ReadMaker1Page(Instrument& instrument, Reporter& reporter);
int ReadMaker2Page(Instrument& instrument, Reporter& reporter, int channel);

enum class Connection { Connected, NotOpened, NoAnswer };

// Opens `link` on `port` and identifies the instrument, once more after a
// pause of 100 ms when unanswered and `secondTry`. Connected: the link is
// open and instrument.link. NotOpened is told; NoAnswer is not, and leaves
// the link closed.
Connection Connect(CSerial& link, const char* port, Instrument& instrument, Reporter& reporter, bool secondTry);

}  // namespace inst
