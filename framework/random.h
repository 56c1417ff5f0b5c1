// The runtime's random numbers.
#pragma once

// A double in [0, 1) from a generator seeded from the system's entropy; never seeded by
// the program, so each run flips its coins anew.
double Rnd();
