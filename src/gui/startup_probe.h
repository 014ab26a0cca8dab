#pragma once

#include <QElapsedTimer>

namespace vor {

// The start-up measurement hook of bench/startup.sh: with
// VORLEX_EXIT_WHEN_SHOWN=<ms> set, prints "shown <elapsed ms>" once the
// first paint pass of the window is over, lingers <ms> and quits. Elapsed
// time counts from VORLEX_LAUNCH_NS (ns, CLOCK_REALTIME) when given, else
// from `sinceMain`. Does nothing when the variable is unset.
void watchFirstPaint(const QElapsedTimer& sinceMain);

}  // namespace vor
