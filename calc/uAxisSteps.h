#pragma once

// Round steps for the value axes of the charts, so that their ticks read 0, 50, 100 and not
// 46.1, 92.1, 138.2.

// A round step (1, 2, 2.5 or 5 times a power of ten) of at least span / steps; 1 for an empty
// or invalid span.
double RoundAxisStep(double span, int steps = 6);

// The decimals a label needs to show every multiple of step exactly (at most 6).
int AxisStepDecimals(double step);
