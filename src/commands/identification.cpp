#include "commands/identification.h"

// Not connected to an instrument yet: the link and the version query come next.
int IdentifyInstrument(CTAVODlg&) { return 0; }
