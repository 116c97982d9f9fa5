#include "app/bulletin_record.h"

#include <filesystem>

#include "platform/date_time.h"

namespace skycrier {
namespace {

// "son_it_s" as "it_s", "son7" as "7", a file by its name without the folder.
std::string shortWord(const std::string& name) {
    std::string word = std::filesystem::path(name).filename().string();
    if (word.starts_with("son")) word.erase(0, 3);
    if (word.starts_with("_")) word.erase(0, 1);
    return word;
}

}  // namespace

BulletinRecord::BulletinRecord(Announcer& announcer, const EventLoop& clock)
    : started_(announcer.bulletinStarted().connect([this, &clock](BulletinTrigger trigger) {
          start_ = formatDateTime(clock.localNow());
          trigger_ = triggerName(trigger);
          words_.clear();
      })),
      events_(announcer.bulletinEvents().connect([this](const BulletinEvent& e) {
          if (e.kind == BulletinEvent::Kind::PlaySegment || e.kind == BulletinEvent::Kind::PlayFile)
              words_ += ' ' + shortWord(e.text);
          if (e.kind != BulletinEvent::Kind::Done && e.kind != BulletinEvent::Kind::Abort) return;
          ended.emit(start_, trigger_ + ' ' + traceLine(e) + ':' + (words_.empty() ? " nothing" : words_));
      })) {}

}  // namespace skycrier
