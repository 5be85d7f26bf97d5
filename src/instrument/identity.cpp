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

// The model the instrument names, as its firmware renames it (see the
// catalogue's models); null for a model the catalogue does not know.
const Model* NamedModel(const std::string& name, const std::string& version) {
  const Model* model = FindModel(name);
  if (model && model->renamed && std::strcmp(version.c_str(), kRenamedAbove) > 0) return FindModel(model->renamed);
  return model;
}

}  // namespace

Identity IdentityOf(const ReplyReader& reply) {
  Identity identity;
  identity.version = reply.Field(kVersionPosition, kVersionLength);
  const std::string named = reply.Field(kModelPosition, kModelLength);
  const Model* model = NamedModel(named, identity.version);
  identity.model = model ? model->name : named;
  // A model the catalogue does not know is taken to have an IoT unit from kIoTFrom on.
  const bool iotUnit = !model || model->iotUnit;
  identity.iot = iotUnit && std::strcmp(identity.version.c_str(), kIoTFrom) >= 0;
  identity.modelCode = model ? model->modelCode : -1;
  return identity;
}

int QueryIdentity(CSerial& link, Identity& identity) {
  if (RunQuery(link, VersionQueryFrame(), 'v') != QueryOutcome::Replied) return 0;
  const ReplyReader reply(link, 'v');
  if (!reply.Answered()) return 0;
  const Identity taken = IdentityOf(reply);
  if (reply.Damaged()) return 0;
  identity = taken;
  return 1;
}

}  // namespace inst
