#pragma once

// The calls a host makes on a loaded plug-in besides the dispatcher's text and
// chunk opcodes: parameters through the effect record, MIDI through effProcessEvents.

#include <cstdint>
#include <initializer_list>

#include "tools/VstHost.h"

struct MidiMessage {
    uint8_t status;
    uint8_t first;
    uint8_t second;
};

// Sends one or two three-byte MIDI messages in one effProcessEvents call; the plug-in's answer.
inline VstIntPtr sendMidi(AEffect* effect, std::initializer_list<MidiMessage> messages)
{
    VstMidiEvent midiEvents[2] {};
    VstEvents events {};
    for (const MidiMessage& message : messages) {
        if (events.numEvents == 2)
            break;
        VstMidiEvent& event = midiEvents[events.numEvents];
        event.type = kVstMidiType;
        event.byteSize = sizeof event;
        event.midiData[0] = char(message.status);
        event.midiData[1] = char(message.first);
        event.midiData[2] = char(message.second);
        events.events[events.numEvents++] = reinterpret_cast<VstEvent*>(&event);
    }
    return effect->dispatcher(effect, effProcessEvents, 0, 0, &events, 0.0f);
}

inline VstIntPtr sendMidi(AEffect* effect, uint8_t status, uint8_t first, uint8_t second)
{
    return sendMidi(effect, {{status, first, second}});
}

inline VstIntPtr sendMidi(const VstHost& host, std::initializer_list<MidiMessage> messages)
{
    return sendMidi(host.effect(), messages);
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
