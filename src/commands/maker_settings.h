// The maker's settings commands, on maker page 1: the humidity display limit
// and the model code; and the settings reset. Each returns 1 on success, 0 on
// failure; the Set commands only send their frame (the caller awaits the
// acknowledgement).
#pragma once

class CTAVODlg;

int GetHumidityLimit(CTAVODlg& dlg);   // '$L' -> edit 1090
int SetHumidityLimit(CTAVODlg& dlg);   // 'L' <- edit 1090, as typed
int GetModelCode(CTAVODlg& dlg);       // '$M' -> combo 1129, and the model rule for edit 1090
int SetModelCode(CTAVODlg& dlg);       // 'M' <- combo 1129

// 'i': returns the instrument's settings to their initial values. One send
// and one wait for the acknowledgement; 1 when the instrument acknowledged,
// 0 when it refused, did not answer or there is no link. The pages keep what
// they show.
int ResetInstrumentSettings(CTAVODlg& dlg);
