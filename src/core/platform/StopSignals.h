#pragma once

namespace lumo {

// From now on, an interrupt (Ctrl+C) or a termination request only sets a flag, so that
// work in progress can stop at its next check and clean up after itself.
void CatchStopSignals();

// True once an interrupt or termination request has arrived.
bool StopSignalled();

} // namespace lumo
