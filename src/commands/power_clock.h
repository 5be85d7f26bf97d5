// The auto power-off and clock commands. Each returns 1 on success, 0 on
// failure; the Set commands only send their frame (the caller awaits the
// acknowledgement).
#pragma once

class CCommandContext;

int GetAutoPowerOff(CCommandContext& dlg);    // '$Q' -> combo 1030 of user page 1
int ShowAutoPowerOff(CCommandContext& dlg);   // '$Q' -> static 1049 of user page 2
int SetAutoPowerOff(CCommandContext& dlg);    // 'Q' <- combo 1030
int GetClock(CCommandContext& dlg);           // '$T' -> pickers 1071 and 1083 of user page 1
int ShowClock(CCommandContext& dlg);          // '$T' -> static 1096 of user page 2
int SetClock(CCommandContext& dlg);           // 'T' <- pickers 1071 and 1083
