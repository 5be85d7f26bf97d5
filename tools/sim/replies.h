// The payloads of the instrument's answers to the queries, laid out at the
// reply positions the tool reads (position 0 is STX, 1 the letter, 2 the
// first payload byte); the bytes between those positions are separators.
#pragma once
#include <string>

struct InstrumentState;

// The payload (without STX, letter and EOT) answering query `letter` with
// `parameter` (the A/D channel digit, else empty); false for a query the
// instrument does not know.
bool QueryPayload(const InstrumentState& state, char letter, const std::string& parameter, std::string& payload);
