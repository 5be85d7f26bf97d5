// User page 2's Set button ("一括取得"): the instrument's memory records into a CSV file.
#include <string>

#include "app/tavo_dlg.h"
#include "instrument/memory_download.h"
#include "framework/ui.h"
#include "platform/files.h"

namespace {

const char* const kCaption = inst::kDownloadCaption;

fw::SaveAsRequest CsvFileRequest() {
  fw::SaveAsRequest request;
  request.defaultExtension = "csv";
  request.initialName = "無題";
  request.filter = "CSV Files (*.csv)|*.csv; *.csv||";
  if (!plat::GetCurrentDir(request.initialDirectory)) request.initialDirectory.clear();
  request.hideReadOnly = true;
  request.overwritePrompt = true;
  return request;
}

}  // namespace

void CTAVODlg::BulkReadMemory() {
  std::string path;
  if (!fw::AskSaveAs(CsvFileRequest(), path, m_hWnd)) return;
  CWaitCursor wait;
  RedrawNow();
  bool whole = false;
  if (m_instrument.Download(MemoryRecordsStore(), whole) != 1) {
    MessageBox(inst::kDownloadFailed, kCaption, fw::kMbOk | fw::kMbIconError);
    return;
  }
  if (!inst::WriteMemoryCsv(MemoryRecordsStore(), path.c_str())) {
    MessageBox("CSVﾌｧｲﾙの書込に失敗しました。", kCaption, fw::kMbOk | fw::kMbIconError);
  } else if (!whole) {
    // The records that were read are in the file; some of the reply was not a record.
    MessageBox(inst::kDownloadPartial, kCaption, fw::kMbOk | fw::kMbIconExclamation);
  }
}
