// A settings query over the link: the query transaction of its letter (sent
// again on no reply for the query that is), and its reply taken into values.
#pragma once
#include "instrument/instrument_settings.h"

class CSerial;

namespace inst {

// 1 when the reply came and was taken into `values`; 0 otherwise, `values`
// then unchanged.
int QueryInto(CSerial& link, char letter, InstrumentSettings& values);

}  // namespace inst
