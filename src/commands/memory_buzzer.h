// The memory interval and buzzer alarm commands, on user page 1. Each returns
// 1 on success, 0 on failure; the Set commands only send their frame (the
// caller awaits the acknowledgement) and send the edit text as typed.
#pragma once

class CCommandContext;

int GetMemoryInterval(CCommandContext& context);   // '$I' -> edit 1086
int SetMemoryInterval(CCommandContext& context);   // 'I' <- edit 1086
int GetBuzzerAlarm(CCommandContext& context);      // '$B' -> edit 1088
int SetBuzzerAlarm(CCommandContext& context);      // 'B' <- edit 1088
