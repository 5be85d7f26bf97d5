// The external alarm (patrol light) commands, on user page 1: the mode and
// the thresholds of the four alarm levels. Each returns 1 on success, 0 on
// failure; the Set commands only send their frame (the caller awaits the
// acknowledgement).
#pragma once

class CCommandContext;

int GetPatrolLightMode(CCommandContext& context);         // '$K' -> combo 1092
int SetPatrolLightMode(CCommandContext& context);         // 'K' <- combo 1092
int GetPatrolLightThresholds(CCommandContext& context);   // '$S' -> edits 1095, 1100, 1101, 1102
int SetPatrolLightThresholds(CCommandContext& context);   // 'S' <- the same edits, all four levels together
