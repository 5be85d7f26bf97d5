#include "instrument/query.h"

#include "instrument/catalogue.h"
#include "instrument/reply_reader.h"
#include "instrument/setting_codec.h"
#include "link/transactions.h"

namespace inst {

int QueryInto(CSerial& link, char letter, InstrumentSettings& values) {
  const Query* query = FindQuery(letter);
  if (!query || RunQuery(link, QueryFrameOf(*query), letter, query->wait) != QueryOutcome::Replied) return 0;
  const ReplyReader reply(link, letter);
  return TakeReply(letter, reply, values) ? 1 : 0;
}

}  // namespace inst
