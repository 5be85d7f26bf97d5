#include "instrument/readings.h"

#include "instrument/setting_codec.h"
#include "link/transactions.h"

namespace inst {

std::vector<const Reading*> PageReadings(int page, char letter) {
  std::vector<const Reading*> readings;
  for (const Reading& reading : Readings())
    if (reading.page == page && reading.read.letter == letter) readings.push_back(&reading);
  return readings;
}

bool TakeReadings(const ReplyReader& reply, int page, char letter, std::vector<std::string>& texts) {
  if (!reply.Answered()) return false;
  std::vector<std::string> taken;
  for (const Reading* reading : PageReadings(page, letter)) taken.push_back(FieldText(reading->read, reply));
  if (reply.Damaged()) return false;
  texts = taken;
  return true;
}

int QueryReadings(CSerial& link, const Query& query, const std::string& parameter, int page,
                  std::vector<std::string>& texts) {
  if (RunQuery(link, QueryFrameOf(query, parameter), query.letter, query.wait) != QueryOutcome::Replied) return 0;
  return TakeReadings(ReplyReader(link, query.letter), page, query.letter, texts) ? 1 : 0;
}

}  // namespace inst
