#include "instrument/memory_download.h"

#include "instrument/catalogue.h"
#include "instrument/memory_format.h"
#include "link/reply_dispatch.h"
#include "link/serial.h"
#include "link/transactions.h"
#include "platform/sync.h"
#include "platform/whole_file.h"

namespace inst {

const char kDownloadFailed[] = "ﾒﾓﾘﾃﾞｰﾀの読出に失敗しました。";
const char kDownloadPartial[] = "一部のﾒﾓﾘﾃﾞｰﾀを読み出せませんでした。";
const char kDownloadCaption[] = "一括読出";

int DownloadMemory(CSerial& link, MemoryRecords& records, bool& whole, const std::function<bool()>& stopped) {
  const Query& query = *FindQuery(kMemoryLetter);
  if (RunQuery(link, QueryFrameOf(query), query.letter, query.wait, stopped) != QueryOutcome::Replied) return 0;
  plat::LockGuard guard(link.ReplyLock());
  if (!IsReplyOf(link.ReplyBuffer(), link.ReplyLength(), query.letter)) return 0;
  MemoryRecords taken;
  whole = SplitMemoryRecords(link.ReplyBuffer(), link.ReplyLength(), taken);
  if (!whole && taken.empty()) return 0;   // bytes came, but not one record: the download failed
  records = taken;
  return 1;
}

int WriteMemoryCsv(const MemoryRecords& records, const char* path) {
  if (!path) return 0;
  return plat::WriteWholeFile(path, MemoryCsvText(records)) ? 1 : 0;
}

}  // namespace inst
