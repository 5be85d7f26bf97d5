// Reply positions of '#v':
//   2-10   model name, 9 characters ("TAVO-410A")
//   11-16  firmware version, 6 characters, space-filled ("1.21  ")
#include "instrument/identity.h"

#include <cstring>

#include "instrument/catalogue.h"
#include "link/frames.h"
#include "link/transactions.h"

namespace inst {

namespace {

const int kModelPosition = 2, kModelLength = 9;
const int kVersionPosition = 11, kVersionLength = 6;

// Versions compare as byte strings, trailing spaces included ("10.0  " < "2.00  ").
const char kSuffixAbove[] = "1.21  ";
const char kIoTFrom[] = "2.00  ";

// The newer TAVO-420 firmware names its models with an "N".
std::string ApplySuffixRule(const std::string& model, const std::string& version) {
  bool newer = std::strcmp(version.c_str(), kSuffixAbove) > 0;
  return newer && (model == "TAVO-420A" || model == "TAVO-420B") ? model + "N" : model;
}

bool HasIoTUnit(const std::string& model, const std::string& version) {
  return std::strcmp(version.c_str(), kIoTFrom) >= 0 && model != "TAVO-420AN" && model != "TAVO-410A";
}

}  // namespace

Identity IdentityOf(const ReplyReader& reply) {
  Identity identity;
  identity.version = reply.Field(kVersionPosition, kVersionLength);
  identity.model = ApplySuffixRule(reply.Field(kModelPosition, kModelLength), identity.version);
  identity.iot = HasIoTUnit(identity.model, identity.version);
  for (const Model& known : Models())
    if (identity.model == known.name) identity.modelCode = known.modelCode;
  return identity;
}

int Identify(CSerial& link, Identity& identity) {
  if (RunQuery(link, VersionQueryFrame(), 'v') != QueryOutcome::Replied) return 0;
  const ReplyReader reply(link, 'v');
  if (!reply.Answered()) return 0;
  const Identity taken = IdentityOf(reply);
  if (reply.Damaged()) return 0;
  identity = taken;
  return 1;
}

}  // namespace inst
