#include "link/serial.h"

int CSerial::Close() { return 1; }
