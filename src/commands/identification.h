// Identification of the instrument (version query).
#pragma once

class CCommandContext;

// Asks the instrument for its model and version and fills the pages.
// Returns 1 when the instrument answered, 0 otherwise.
int IdentifyInstrument(CCommandContext& context);
