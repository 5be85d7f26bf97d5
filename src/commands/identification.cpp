// The version query '#v' (reply layout in instrument/identity.cpp), shown on
// the pages with what it tells of the instrument's features.
#include "commands/identification.h"

#include "commands/page_reporter.h"
#include "instrument/page_reads.h"

int IdentifyInstrument(CCommandContext& context) { return RunRead(context, &inst::IdentifyInstrument); }
