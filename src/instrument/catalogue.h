// The catalogue of the instrument, as data: for each setting its key, its
// page control, its kind and rule, where its query's reply holds it and which
// setting frame carries it; for each setting frame its payload, its failure
// message and who has it; for each query its frame and its wait; for each page
// its Read (the steps in order) and its Set (the frames in order); the
// readings the pages only show; the models. Every front end reads these
// tables; the code around them is generic, and CatalogueProblems checks that
// the rows agree.
#pragma once
#include <string>
#include <vector>

#include "link/transactions.h"

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

// Which instruments have a setting frame's settings.
enum class Offer {
  Always,
  WithIoTUnit,        // only the instruments with an IoT unit
  WithHumidityLimit   // only the models with a humidity display limit
};

// A setting frame: STX, its head, its payload, ETX; acknowledged by ACK or
// refused by NAK. And what the user is told when it is not acknowledged.
// Whether it is a maker setting is its page's (the page whose Set sends it).
struct WriteGroup {
  const char* head;                // the bytes after STX that name it: "B", "sa"
  std::vector<FramePart> payload;  // in order; the settings it names are the group's
  const char* message;
  const char* caption;
  Offer offer;
  bool anyFilled;          // sent only when one of its texts is filled
  bool allFilled;          // refused while one of its texts is empty (it would go out as zero)
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

// Every setting frame (the orders in which pages send them are the pages').
const std::vector<WriteGroup>& Groups();
// The group whose frame has the head `head` ("S", "sb"), or null.
Group FindGroup(const std::string& head);
// The group whose frame carries `setting` (every setting has one: see CatalogueProblems).
Group GroupOfSetting(const Setting& setting);
// The settings a group carries, in their order in its frame.
std::vector<const Setting*> GroupSettings(Group group);
// Its settings as tavo-cli names them: "buzzer", "iot_start, iot_stop", and
// a run of numbered keys by its ends, "level1-level4".
std::string KeysLabel(Group group);
// The settings reset: its frame ('i' '*' '*'), not judged, and its message.
const WriteGroup& ResetGroup();

// A query: the frame that asks it and how long its reply is awaited.
struct Query {
  char letter;        // the reply letter
  const char* head;   // the bytes after STX: "$Q", "#v"; "$V" is followed by the channel digit
  ReplyWait wait;
};
// The query answered by `letter`, or null.
const Query* FindQuery(char letter);
// The query's frame, with `parameter` (the A/D channel digit) after its head.
std::string QueryFrameOf(const Query& query, const std::string& parameter = std::string());
// Where the reply of the version query ('v') names the model and the firmware.
extern const ReplyField kModelNameField;
extern const ReplyField kVersionField;
// The query of the memory download.
extern const char kMemoryLetter;

// What the user is told when a step fails, and under what caption.
struct Message {
  const char* text;
  const char* caption;
};

// What a step of a page's Read asks for.
enum class StepKind {
  Settings,       // the settings of its query's reply
  Readings,       // the page's readings of its query's reply
  AutoPowerOff,   // the auto power-off's field, as user page 2 shows it
  ClockText,      // the clock's field, as user page 2 shows it
  Identity,       // '#v': who the instrument is
  AdCounts        // '$V' for the channel chosen on the page
};
struct ReadStep {
  StepKind kind;
  char letter;       // the reply letter: the query it sends
  Message failure;
};

// A page, whole: what its Read asks in order and what its Set may send in order.
struct PageRow {
  int page;                       // the page template
  bool maker;                     // a maker page: there only with "vorinfo.ini"; its settings are the maker's
  // The Read stops at its first failed step, and its settings enter the
  // snapshot only when every step was answered (cleared first); else every
  // step is run, and the settings of each enter the snapshot as the Read leaves them.
  bool stopAtFirstFailure;
  std::vector<ReadStep> steps;    // a step of settings only an IoT unit has is run only with one
  std::vector<const char*> writes;   // the heads of the groups its Set sends, in order
};
const std::vector<PageRow>& Pages();
// The row of page `page`, or null for a page that has none.
const PageRow* FindPage(int page);
// The groups page `page`'s Set sends, in their order (none for a page without a Set).
const std::vector<Group>& WriteOrder(int page);
// The page whose Set sends `group` (every group has one: see CatalogueProblems).
const PageRow& PageOfGroup(Group group);
// The step of page `page` that reads `letter` (which it has).
const ReadStep& PageReadStep(int page, char letter);
// A maker setting: sent by a maker page's Set.
bool IsMakerSetting(const Setting& setting);

// Every reading, by page and query, in their order in the reply.
const std::vector<Reading>& Readings();

// The model named `name`, or null.
const Model* FindModel(const std::string& name);
// Whether the model of model code item `modelCode` offers `setting`: the
// humidity limit only the models that have one (no model, no limit); every
// other setting every model.
bool ModelOffers(int modelCode, const Setting& setting);

// The tables as rows, for the check below (copies, so that a test can break one).
struct CatalogueRows {
  std::vector<Setting> settings;
  std::vector<WriteGroup> groups;
  std::vector<Query> queries;
  std::vector<PageRow> pages;
  std::vector<Reading> readings;
};
CatalogueRows TheCatalogue();
// What is wrong with `rows`, a line per fault naming its row: a setting in
// no frame's payload or read by no step of its page, a payload part naming no
// setting, a group on no page's Set or on the Set of a page not its
// settings', a step that reads nothing or has no query, a reading no step of
// its page asks for, a key, head, query or control named twice. Empty when
// the rows agree.
std::vector<std::string> CatalogueProblems(const CatalogueRows& rows);

// The item count of a list setting.
int ItemCount(const Setting& setting);
// The minutes of a list item ("15分" gives 15); -1 when it has none.
int ItemMinutes(const Setting& setting, int item);
// The item of a minutes list that shows `minutes`, or -1.
int MinutesItem(const Setting& setting, int minutes);

}  // namespace inst
