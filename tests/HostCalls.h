#pragma once

// The calls a host makes on a loaded plug-in besides the dispatcher's text and
// chunk opcodes: parameters through the effect record, MIDI through effProcessEvents.

#include <cstdint>

#include "tools/VstHost.h"

// Sends one three-byte MIDI message; the plug-in's answer to effProcessEvents.
inline VstIntPtr sendMidi(AEffect* effect, uint8_t status, uint8_t first, uint8_t second)
{
    VstMidiEvent event {};
    event.type = kVstMidiType;
    event.byteSize = sizeof event;
    event.midiData[0] = char(status);
    event.midiData[1] = char(first);
    event.midiData[2] = char(second);
    VstEvents events {};
    events.numEvents = 1;
    events.events[0] = reinterpret_cast<VstEvent*>(&event);
    return effect->dispatcher(effect, effProcessEvents, 0, 0, &events, 0.0f);
}

inline VstIntPtr sendMidi(const VstHost& host, uint8_t status, uint8_t first, uint8_t second)
{
    return sendMidi(host.effect(), status, first, second);
}

inline void setParameter(const VstHost& host, int index, float value)
{
    host.effect()->setParameter(host.effect(), index, value);
}

inline float parameter(const VstHost& host, int index) { return host.effect()->getParameter(host.effect(), index); }
