#include "announce/bulletin_event.h"

namespace skycrier {

const char* triggerName(BulletinTrigger trigger) {
    switch (trigger) {
    case BulletinTrigger::Button: return "button";
    case BulletinTrigger::Schedule: return "schedule";
    case BulletinTrigger::CTS: return "CTS";
    case BulletinTrigger::DSR: return "DSR";
    case BulletinTrigger::Peer: return "peer";
    case BulletinTrigger::GpioLine: return "GPIO";
    }
    return "?";
}

std::string traceLine(const BulletinEvent& e) {
    using K = BulletinEvent::Kind;
    switch (e.kind) {
    case K::Key: return "key " + (e.text.empty() ? std::string(pinName(e.line)) : e.text);
    case K::Unkey: return "unkey " + (e.text.empty() ? std::string(pinName(e.line)) : e.text);
    case K::Wait: return "wait " + std::to_string(e.milliseconds);
    case K::PlaySegment: return "play " + e.text;
    case K::PlayFile: return "play-file " + e.text;
    case K::Done: return "done";
    case K::Abort: return "abort " + e.text;
    }
    return {};
}

}  // namespace skycrier
