#pragma once

#include <cstddef>

struct OrvCore;

// Sets slider `slider` from a host parameter value 0..1 (clamped) through its
// curve, marks it changed and drives the limiter of "Limiter Setup".
// Refuses a slider outside 0..6 and a NaN value.
bool setSliderParameter(OrvCore& core, int slider, float value);

// The host parameter value 0..1 of a slider: the inverse of its curve.
float getSliderParameter(const OrvCore& core, int slider);

// Chooses each slider's curve from its master field.
void chooseSliderCurves(OrvCore& core);

// Writes ratio * value into the fields of every slider marked changed.
void applyChangedSliders(OrvCore& core);

// Writes one slider's ratio * value into each of its fields.
void applySlider(OrvCore& core, int slider);

// Parameter texts, bounded by `size` and always terminated.
void getParameterName(const OrvCore& core, int slider, char* text, size_t size);
void getParameterLabel(const OrvCore& core, int slider, char* text, size_t size);
void getParameterDisplay(const OrvCore& core, int slider, char* text, size_t size);

// Gives every slider that drives more than output gains a random value,
// keeping the previous values for one undo.
void randomizeSliders(OrvCore& core);

// Puts back the values before the last randomize; false when there is nothing
// to undo for the current program.
bool undoRandomize(OrvCore& core);

// When "Limiter Setup" is current, its module 1 slot A depth becomes the
// limiter threshold, clamped to 0.5 .. 1.
void applyLimiterSetup(OrvCore& core);
