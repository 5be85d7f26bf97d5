#include "commands/memory_data.h"

#include "commands/command_context.h"
#include "commands/memory_format.h"
#include "instrument/reply_reader.h"
#include "link/frames.h"
#include "link/reply_dispatch.h"
#include "platform/sync.h"
#include "platform/whole_file.h"

int ReadMemoryData(CCommandContext& dlg, bool& whole) {
  if (!dlg.m_pSerial) return 0;
  CSerial& link = *dlg.m_pSerial;
  QueryOutcome outcome = RunQuery(link, QueryFrame('O'), 'O');
  if (outcome != QueryOutcome::Replied) return 0;
  plat::LockGuard guard(link.ReplyLock());
  if (!IsReplyOf(link.ReplyBuffer(), link.ReplyLength(), 'O')) return 0;
  MemoryRecords records;
  whole = SplitMemoryRecords(link.ReplyBuffer(), link.ReplyLength(), records);
  if (!whole && records.IsEmpty()) return 0;   // bytes came, but not one record: the download failed
  dlg.MemoryRecordsStore() = records;
  return 1;
}

int WriteMemoryCsv(const MemoryRecords& records, const char* path) {
  if (!path) return 0;
  return plat::WriteWholeFile(path, MemoryCsvText(records)) ? 1 : 0;
}
