// What the settings commands have in common: a query that shows its reply in
// the page controls, and the sending of a setting frame without waiting.
#pragma once
#include <functional>
#include <string>

#include "commands/reply_reader.h"

class CCommandContext;
class CComboBox;

// Shows a reply in the controls; false when the reply cannot be shown.
using ShowReply = std::function<bool(const ReplyReader& reply)>;

// Runs the query of `letter` and, when a reply came, shows it. 1 when the
// query succeeded and the reply was shown, 0 otherwise.
int QuerySetting(CCommandContext& dlg, char letter, const ShowReply& show);
// The same with the query that sends again when no reply came.
int QuerySettingResendingOnTimeOut(CCommandContext& dlg, char letter, const ShowReply& show);

// Sends a setting frame (an acknowledgement is awaited once it went out). 1
// when every byte was written; 0 without a link or when a write failed.
int SendSetting(CCommandContext& dlg, const std::string& frame);

// Selects the item that a one-character reply field names; no item at all
// when the byte is not a digit or the list has no such item, so that the list
// never shows a choice the instrument did not make.
void SelectReplyDigit(CComboBox& combo, char digit);

// Sends the frame that `frameOf` builds from the hexadecimal digit of the
// combo's selection; 0, and nothing sent, when the combo has no such digit
// (no selection, or an item beyond the sixteenth).
int SendSelection(CCommandContext& dlg, const CComboBox& combo, std::string (*frameOf)(char digit));
