// The auto power-off and clock commands. Each returns 1 on success, 0 on
// failure; the Set commands only send their frame (the caller awaits the
// acknowledgement).
#pragma once

class CTAVODlg;

int GetAutoPowerOff(CTAVODlg& dlg);    // '$Q' -> combo 1030 of user page 1
int ShowAutoPowerOff(CTAVODlg& dlg);   // '$Q' -> static 1049 of user page 2
int SetAutoPowerOff(CTAVODlg& dlg);    // 'Q' <- combo 1030
int GetClock(CTAVODlg& dlg);           // '$T' -> pickers 1071 and 1083 of user page 1
int ShowClock(CTAVODlg& dlg);          // '$T' -> static 1096 of user page 2
int SetClock(CTAVODlg& dlg);           // 'T' <- pickers 1071 and 1083
