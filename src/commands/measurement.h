// The measurement and maintenance data queries: they write the values, as
// text, into the pages. Each returns 1 on success, 0 on failure.
#pragma once

class CTAVODlg;

int GetMeasurementData(CTAVODlg& dlg);       // '$D' -> user page 2
int GetRealtimeData(CTAVODlg& dlg);          // '$D' -> maker page 1
int GetPreampData(CTAVODlg& dlg);            // '$P' -> maker page 1
int GetHumidityCalibration(CTAVODlg& dlg);   // '$G' -> maker page 1
int GetAdCounts(CTAVODlg& dlg);              // '$V' channel -> maker page 2
