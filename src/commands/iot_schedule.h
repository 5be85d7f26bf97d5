// The IoT unit schedule commands, on user page 1: the start interval and the
// daily communication hours. Each returns 1 on success, 0 on failure; the Set
// commands only send their frame (the caller awaits the acknowledgement).
#pragma once

class CCommandContext;

// '$s' -> combo 1133, edits 1134 and 1135; sent again while no reply comes,
// six times at most.
int GetIoTSchedule(CCommandContext& context);
int SetIoTInterval(CCommandContext& context);    // 's' 'a' <- combo 1133
int SetIoTCommHours(CCommandContext& context);   // 's' 'b' <- edits 1134 and 1135, both together
