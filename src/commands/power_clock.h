// The auto power-off and clock commands. Each returns 1 on success, 0 on
// failure; the Set commands only send their frame (the caller awaits the
// acknowledgement).
#pragma once

class CCommandContext;

int GetAutoPowerOff(CCommandContext& context);    // '$Q' -> combo 1030 of user page 1
int SetAutoPowerOff(CCommandContext& context);    // 'Q' <- combo 1030
int GetClock(CCommandContext& context);           // '$T' -> pickers 1071 and 1083 of user page 1
int SetClock(CCommandContext& context);           // 'T' <- pickers 1071 and 1083
