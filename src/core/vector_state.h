#pragma once

namespace vor {

// Clears the upper halves of the CPU's 256-bit vector registers where the
// CPU has them (x86-64 with AVX); does nothing elsewhere.
//
// The engine is built for plain SSE. A library that runs AVX code and
// returns without clearing the upper halves (building Qt's application
// object or its widgets does) leaves the CPU in a state where every SSE
// instruction afterwards waits on those stale halves: a replay then costs
// about twice its time. Clearing them is a single cheap instruction, so it
// is done right after the Qt application is built and again at the start
// of each replay.
void clearUpperVectorState();

}  // namespace vor
