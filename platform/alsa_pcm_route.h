#pragma once
// Where an ALSA PCM name leads, read from its name and from ALSA's
// configuration without opening anything: a PCM that is busy playing, or a
// card that is unplugged, is judged all the same.

#include <optional>
#include <string>

namespace skycrier {

// The card a PCM name names ("hw:CARD=Device,DEV=0", "plughw:1",
// "sysdefault:CARD=PCH"): its id or index, as the card's mixer "hw:<card>"
// takes it; nothing for a name without a card ("default", "pulse").
std::optional<std::string> cardOfPcm(const std::string& pcm);

// True when the PCM's definition, or a slave it plays through, is a sound
// server's (PulseAudio, PipeWire, JACK): "default" on a desktop, for one.
bool reachesSoundServer(const std::string& pcm);

}  // namespace skycrier
