// A settings query over the link: the query transaction of its letter, as
// its row in the catalogue sends and awaits it, and its reply taken into values.
#pragma once
#include "instrument/instrument_settings.h"

class CSerial;

namespace inst {

// 1 when the reply came and was taken into `values`; 0 otherwise, `values`
// then unchanged.
int QueryInto(CSerial& link, char letter, InstrumentSettings& values);

}  // namespace inst
