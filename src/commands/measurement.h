// The measurement and maintenance data queries: they write the values, as
// text, into the pages. Each returns 1 on success, 0 on failure.
#pragma once

class CCommandContext;

int GetMeasurementData(CCommandContext& context);       // '$D' -> user page 2
int GetRealtimeData(CCommandContext& context);          // '$D' -> maker page 1
int GetPreampData(CCommandContext& context);            // '$P' -> maker page 1
int GetHumidityCalibration(CCommandContext& context);   // '$G' -> maker page 1
int GetAdCounts(CCommandContext& context);              // '$V' channel -> maker page 2
