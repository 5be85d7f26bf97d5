// The measurement and maintenance data queries: they write the values, as
// text, into the pages. Each returns 1 on success, 0 on failure.
#pragma once

class CCommandContext;

int GetMeasurementData(CCommandContext& dlg);       // '$D' -> user page 2
int GetRealtimeData(CCommandContext& dlg);          // '$D' -> maker page 1
int GetPreampData(CCommandContext& dlg);            // '$P' -> maker page 1
int GetHumidityCalibration(CCommandContext& dlg);   // '$G' -> maker page 1
int GetAdCounts(CCommandContext& dlg);              // '$V' channel -> maker page 2
