#pragma once
// zorkan-cli tune without the session: the experiment, the write and the check over the exchanges
// and the pacing it is given, so that tests run it on the simulator's virtual clock.

#include <ostream>

#include "cli/command_line.h"
#include "workflows/exchange_context.h"
#include "workflows/experiment_pacing.h"

namespace zorkan::cli {

struct TuneContext {
  ExchangeContext& write;       // the whole read and write, with the console's usual progress
  ExchangeContext& experiment;  // the experiment and the check, whose every step is printed
  ExperimentPacing& pacing;
};

// Prints the results on `output` and how each part ended on standard error; returns the exit
// status.
int Tune(const TuneCommand& command, const TuneContext& context, std::ostream& output);

}  // namespace zorkan::cli
