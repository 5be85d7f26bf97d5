#include "instrument/identity.h"

#include <cstring>

#include "instrument/catalogue.h"
#include "link/transactions.h"

namespace inst {

namespace {

// The model the instrument names, as its firmware renames it (see the
// catalogue's models); null for a model the catalogue does not know.
const Model* NamedModel(const std::string& name, const std::string& version) {
  const Model* model = FindModel(name);
  if (model && model->renamed && std::strcmp(version.c_str(), kRenamedAbove) > 0) return FindModel(model->renamed);
  return model;
}

// True when the reply holds the model name and the version whole, in
// printable ASCII: a reply cut short, or with a byte no instrument writes
// there, tells nobody.
bool WholeAndAscii(const ReplyReader& reply) {
  const int first = kModelNameField.position, end = kVersionField.position + kVersionField.width;
  if (reply.Length() < end) return false;
  for (int i = first; i < end; ++i) {
    const unsigned char byte = static_cast<unsigned char>(reply.At(i));
    if (byte < 0x20 || byte > 0x7E) return false;
  }
  return true;
}

}  // namespace

Identity IdentityOf(const ReplyReader& reply) {
  Identity identity;
  identity.version = reply.Field(kVersionField.position, kVersionField.width);
  const std::string named = reply.Field(kModelNameField.position, kModelNameField.width);
  const Model* model = NamedModel(named, identity.version);
  identity.model = model ? model->name : named;
  // A model the catalogue does not know is taken to have an IoT unit from kIoTFrom on.
  const bool iotUnit = !model || model->iotUnit;
  identity.iot = iotUnit && std::strcmp(identity.version.c_str(), kIoTFrom) >= 0;
  identity.modelCode = model ? model->modelCode : -1;
  return identity;
}

int QueryIdentity(CSerial& link, Identity& identity) {
  const Query& query = *FindQuery(kModelNameField.letter);
  if (RunQuery(link, QueryFrameOf(query), query.letter, query.wait) != QueryOutcome::Replied) return 0;
  const ReplyReader reply(link, query.letter);
  if (!reply.Answered()) return 0;
  const Identity taken = IdentityOf(reply);
  if (reply.Damaged() || !WholeAndAscii(reply)) return 0;
  identity = taken;
  return 1;
}

}  // namespace inst
