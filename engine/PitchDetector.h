#pragma once

// Finds the period of the newest part of `history` (2 × longestPeriod samples,
// oldest first) between the two periods in samples, from the normalised
// difference function with parabolic interpolation. Returns the pitch in Hz,
// or 0 when the window is silent or holds no clear period (noise).
// `scratch` holds at least longestPeriod + 2 values.
float detectPitch(const float* history, int shortestPeriod, int longestPeriod, float sampleRate, float* scratch);
