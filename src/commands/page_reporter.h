// The pages' side of the core's reads: what a read took shown at once in the
// controls of the context's pages. It tells the user nothing and does not
// pause; the main dialog's reporter adds those.
#pragma once
#include "instrument/sequences.h"

class CCommandContext;

class PageReporter : public inst::Reporter {
public:
  explicit PageReporter(CCommandContext& context) : m_context(context) {}
  void Tell(const char* message, const char* caption, inst::Icon icon) override;
  void Pause() override {}
  // The settings of `letter` in their controls; for the model code, the model rule too.
  void Taken(char letter, const inst::InstrumentSettings& values) override;
  void Shown(int page, char letter, const inst::Instrument& instrument) override;

protected:
  CCommandContext& m_context;
};

// The core's view of the context: its link, its IoT flag and its pages' values.
inst::Instrument InstrumentOf(CCommandContext& context);

// Runs a one-step read of the core on the context, showing what it took.
int RunRead(CCommandContext& context, int (*read)(inst::Instrument&, inst::Reporter&));
