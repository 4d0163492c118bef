#include "termination_signals.h"

namespace qlx {

// A Windows desktop program has no terminal signals to hear: logging off and
// shutting down reach it as the session manager's request.
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}

TerminationSignals::~TerminationSignals() = default;

void TerminationSignals::drain() { emit received(0); }

// No pipe ends a Windows program.
void ignoreBrokenPipes() {}

}  // namespace qlx
