// Who the instrument is, from the reply of the version query '#v': its model
// and firmware version, and what they tell of its features.
#pragma once
#include <string>

#include "instrument/reply_reader.h"

class CSerial;

namespace inst {

struct Identity {
  std::string model;     // as the pages show it, "N" added by the firmware rule
  std::string version;   // six characters, space-filled ("1.21  ")
  bool iot = false;      // it has an IoT unit
  int modelCode = -1;    // the model code item of a known model, else -1
};

// The identity in an answered version reply.
Identity IdentityOf(const ReplyReader& reply);

// Asks the instrument who it is ('#v'). 1 when it replied with the model
// name and the version whole, in printable ASCII, `identity` then filled; 0
// otherwise (a reply cut short or holding another byte is no answer).
int QueryIdentity(CSerial& link, Identity& identity);

}  // namespace inst
