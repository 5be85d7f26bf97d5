// The maker's settings commands, on maker page 1: the humidity display limit
// and the model code. Each returns 1 on success, 0 on
// failure; the Set commands only send their frame (the caller awaits the
// acknowledgement).
#pragma once

class CCommandContext;

int GetHumidityLimit(CCommandContext& context);   // '$L' -> edit 1090
int SetHumidityLimit(CCommandContext& context);   // 'L' <- edit 1090, as typed
int GetModelCode(CCommandContext& context);       // '$M' -> combo 1129, and the model rule for edit 1090
int SetModelCode(CCommandContext& context);       // 'M' <- combo 1129

