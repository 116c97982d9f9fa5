#include "announce/bulletin_event.h"

namespace skycrier {

const char* triggerName(BulletinTrigger trigger) {
    switch (trigger) {
    case BulletinTrigger::Button: return "button";
    case BulletinTrigger::Schedule: return "schedule";
    case BulletinTrigger::CTS: return "CTS";
    case BulletinTrigger::DSR: return "DSR";
    case BulletinTrigger::Peer: return "peer";
    }
    return "?";
}

std::string traceLine(const BulletinEvent& e) {
    using K = BulletinEvent::Kind;
    switch (e.kind) {
    case K::Key: return std::string("key ") + pinName(e.line);
    case K::Unkey: return std::string("unkey ") + pinName(e.line);
    case K::Wait: return "wait " + std::to_string(e.milliseconds);
    case K::PlaySegment: return "play " + e.text;
    case K::PlayFile: return "play-file " + e.text;
    case K::Done: return "done";
    case K::Abort: return "abort " + e.text;
    }
    return {};
}

}  // namespace skycrier
