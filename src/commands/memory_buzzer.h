// The memory interval and buzzer alarm commands, on user page 1. Each returns
// 1 on success, 0 on failure; the Set commands only send their frame (the
// caller awaits the acknowledgement) and send the edit text as typed.
#pragma once

class CCommandContext;

int GetMemoryInterval(CCommandContext& dlg);   // '$I' -> edit 1086
int SetMemoryInterval(CCommandContext& dlg);   // 'I' <- edit 1086
int GetBuzzerAlarm(CCommandContext& dlg);      // '$B' -> edit 1088
int SetBuzzerAlarm(CCommandContext& dlg);      // 'B' <- edit 1088
