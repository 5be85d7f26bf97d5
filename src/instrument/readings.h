// The readings of a query: the values a page only shows, cut from its reply
// as texts (see the catalogue).
#pragma once
#include <string>
#include <vector>

#include "instrument/catalogue.h"
#include "instrument/reply_reader.h"

class CSerial;

namespace inst {

// The readings of `letter` that page `page` shows, in catalogue order.
std::vector<const Reading*> PageReadings(int page, char letter);

// The texts of those readings in `reply`. False when the reply is no answer
// or holds a control byte where a reading is read; `texts` is then unchanged.
bool TakeReadings(const ReplyReader& reply, int page, char letter, std::vector<std::string>& texts);

// Sends `query` (with `parameter`, the A/D channel's digit, after its head)
// and takes page `page`'s readings of the reply. 1 when they were taken.
int QueryReadings(CSerial& link, const Query& query, const std::string& parameter, int page,
                  std::vector<std::string>& texts);

}  // namespace inst
