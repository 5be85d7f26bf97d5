// The catalogue of the instrument's settings, as data: for each setting its
// key, its page control, its kind and rule, where its query's reply holds it
// and which setting frame carries it; for each write group its frame, its
// failure message and who has it; the read and write orders; the models.
// Every front end reads this table; the code around it is generic.
#pragma once
#include <string>
#include <vector>

namespace inst {

enum class Kind {
  Number,   // a number as text, typed into an edit
  List,     // an item of a list, sent as its index digit
  Clock     // the instrument's clock (two pickers: the date, the time of day)
};

// How a setting is cut from its query's reply.
enum class ReplyForm {
  Digit,           // one character at `position`: the item whose index it is
  Number,          // `width` characters at `position`, trimmed as a number
  Signed,          // the sign at `position`, then `width` value characters, trimmed
  SignedOrWhole,   // as Signed, except that a digit in the sign's place makes all width + 1 places the value (100.0)
  Text,            // `width` characters as they came
  Minutes,         // `width` digits: the minutes of a list item
  ClockDigits      // YYMMDDhhmmss at `position`
};

struct ReplyField {
  char letter;   // the query letter ('$' letter) and its reply
  ReplyForm form;
  int position;   // reply position: STX 0, the letter 1, the payload from 2
  int width;
};

// The page's check of a typed number, run when the edit loses the focus, and
// before anything takes such a value.
struct NumberRule {
  int characters;      // what the edit takes
  bool decimal;        // read with a fraction, else as a whole number
  double low, high;    // accepted range, bounds included
  bool zeroAllowed;    // 0 is accepted besides the range
  bool emptyRejected;  // an empty text is rejected (else it passes unread)
  const char* message;
  const char* caption;
};

// How tavo-cli writes a list setting's value.
enum class KeyForm {
  Text,      // the text itself (numbers)
  Words,     // `words` name items 0 and 1
  Minutes,   // the minutes of the item ("10分" is 10)
  Item       // the item's text
};

struct WriteGroup;
// A setting frame, named by its row in the catalogue.
using Group = const WriteGroup*;

struct Setting {
  const char* key;          // the name tavo-cli uses
  int page;                 // the page template
  int control;              // the control on it (the date picker of the clock)
  Kind kind;
  NumberRule rule;          // Number
  const char* const* items; // List: the items in the order of their digits, null-ended
  int initialItem;          // List: what the page selects at its creation (-1 none)
  KeyForm keyForm;
  const char* words[2];     // Words: items 0 and 1
  ReplyField read;
};

// How a part of a setting frame's payload is written.
enum class FrameForm {
  Text,         // `text` as it is: a tag or a separator
  Item,         // the item of the list setting `text`, as one hexadecimal digit (16 items at most)
  ZeroFilled,   // the text of the setting `text`, zero-filled to `width` (never cut)
  Digits,       // the number the leading digits of the setting `text` give (an empty text 0), in
                // `width` digits; a number of more digits is no value
  Minutes,      // the minutes of the item of the setting `text`, in `width` digits
  Clock         // the clock `text` as YYMMDDhhmmss
};

struct FramePart {
  FrameForm form;
  const char* text;   // the text itself, or the key of the setting
  int width;
};

// A setting frame: STX, its head, its payload, ETX; acknowledged by ACK or
// refused by NAK. And what the user is told when it is not acknowledged.
struct WriteGroup {
  const char* head;                // the bytes after STX that name it: "B", "sa"
  std::vector<FramePart> payload;  // in order; the settings it names are the group's
  const char* keys;        // its settings as tavo-cli names them
  const char* message;
  const char* caption;
  bool maker;              // a maker setting (maker page 1)
  bool iot;                // only for instruments with an IoT unit
  bool anyFilled;          // sent only when one of its texts is filled
  bool allFilled;          // refused while one of its texts is empty (it would go out as zero)
  bool limitModels;        // only for the models with a humidity display limit
};

// One model the instrument names itself, with its model code item and what it has.
struct Model {
  const char* name;
  bool humidityLimit;      // it has a humidity display limit
  bool iotUnit;            // it has an IoT unit from firmware kIoTFrom on
  const char* renamed;     // the name firmware above kRenamedAbove gives it, or null
  int modelCode = -1;      // its item in the model code list
};
// Firmware versions, compared as byte strings, trailing spaces included
// ("10.0  " < "2.00  "): the models with an IoT unit have it from kIoTFrom on;
// above kRenamedAbove the TAVO-420 models name themselves with an "N".
extern const char kIoTFrom[];
extern const char kRenamedAbove[];

// A value the instrument reports and a page only shows, as text: the
// measurement, the maintenance data and the A/D counts.
struct Reading {
  const char* key;   // the name tavo-cli uses (the measurement of user page 2), else null
  int page;          // the page template
  int control;       // the static text on it
  ReplyField read;   // Signed or Number
  const char* label = nullptr;   // with a key: its short name over its column in tavo-cli's monitor
};

const std::vector<Setting>& Settings();
const Setting* FindSetting(const std::string& key);
const Setting* FindSettingByControl(int page, int control);
int SettingIndex(const Setting& setting);

const WriteGroup& GroupOf(Group group);
// The group whose frame has the head `head` ("S", "sb"), or null.
Group FindGroup(const std::string& head);
// The group whose frame carries `setting`.
Group GroupOfSetting(const Setting& setting);
// The settings a group carries, in their order in its frame.
std::vector<const Setting*> GroupSettings(Group group);

// The write orders of user page 1 and maker page 1.
const std::vector<Group>& User1WriteOrder();
const std::vector<Group>& Maker1WriteOrder();
// The queries of user page 1, in their order ('s' only with an IoT unit).
const std::vector<char>& User1ReadOrder();
// True for the query that is sent again also when no reply came ('s').
bool ResendsOnTimeOut(char letter);
// True for a query whose settings only an instrument with an IoT unit has.
bool IsIoTQuery(char letter);

// What the user is told when a step fails, and under what caption.
struct Message {
  const char* text;
  const char* caption;
};

// What a step of a page's Read asks for.
enum class StepKind {
  Settings,       // the settings of its query's reply
  Readings,       // the page's readings of its query's reply
  AutoPowerOff,   // '$Q' as user page 2 shows it
  ClockText,      // '$T' as user page 2 shows it
  Identity,       // '#v': who the instrument is
  AdCounts        // '$V' for the channel chosen on the page
};
struct ReadStep {
  StepKind kind;
  char letter;       // the reply letter
  Message failure;
};
// The steps of the Read of user page 2 and the maker pages, in their order.
const std::vector<ReadStep>& PageReadSteps(int page);
// The step of page `page` that reads `letter` (which it has).
const ReadStep& PageReadStep(int page, char letter);

// Every reading, by page and query, in their order in the reply.
const std::vector<Reading>& Readings();

const std::vector<Model>& Models();
// The model named `name`, or null.
const Model* FindModel(const std::string& name);
// Whether the model of model code item `modelCode` offers `setting`: the
// humidity limit only the models that have one (no model, no limit); every
// other setting every model.
bool ModelOffers(int modelCode, const Setting& setting);
// Whether an instrument with an IoT unit or not, of model code item
// `modelCode`, offers `setting`: the IoT schedule only with an IoT unit, and
// what its model offers.
bool Offered(const Setting& setting, bool iotUnit, int modelCode);

// The item count of a list setting.
int ItemCount(const Setting& setting);
// The minutes of a list item ("15分" gives 15); -1 when it has none.
int ItemMinutes(const Setting& setting, int item);
// The item of a minutes list that shows `minutes`, or -1.
int MinutesItem(const Setting& setting, int minutes);

}  // namespace inst
