#include "app/sound_output.h"

#include <algorithm>
#include <cmath>

namespace skycrier {
namespace {

constexpr int kSilentPosition = 10;
constexpr long double kFullScale = 65535;

// The volume arithmetic runs in extended precision (long double here), so a
// quotient a hair beside a half or a whole rounds and truncates as the
// device's own arithmetic did. Every value is bounded (levels 0..65535,
// balance -100..100), so the conversions to int are exact.
int rounded(long double value) { return static_cast<int>(std::nearbyint(value)); }
int truncated(long double value) { return static_cast<int>(std::trunc(value)); }

// Low 16 bits left, high 16 bits right. A positive balance lowers the right
// channel by that percentage, a negative one the left.
std::uint32_t volumeWord(int position, int balance) {
    position = std::clamp(position, 0, kSilentPosition);
    balance = std::clamp(balance, -100, 100);
    const long double full = (655350.0L - position * kFullScale) / 10;
    int left = 0;
    int right = 0;
    if (balance <= 0) {
        right = rounded(full);
        left = rounded(right * static_cast<long double>(balance + 100) / 100);
    } else {
        left = rounded(full);
        right = rounded(left * static_cast<long double>(100 - balance) / 100);
    }
    return static_cast<std::uint32_t>(left) + static_cast<std::uint32_t>(right) * 65536;
}

}  // namespace

SoundOutput::SoundOutput(const Parts& parts)
    : window_(parts.window),
      engine_(parts.engine),
      sequencer_(parts.sequencer),
      status_(parts.status),
      catalogue_(parts.catalogue),
      beep_(parts.beep),
      tasks_(parts.loop) {}

void SoundOutput::MenuCarteSonClick() {
    status_.setBitBtnOKCarteSonEnabled(!sequencer_.BulletinRunning());
    PanelCarteSon = true;
    ComboBoxChoixOut = {};
    if (catalogue_)
        for (auto& name : catalogue_->deviceNames()) {
            // Still listed, so that the items keep the devices' numbers.
            if (!name) ComboBoxChoixOut.Text = kUnreadableDevice;
            ComboBoxChoixOut.Items.push_back(name.value_or(std::string()));
        }
    const int device = window_.outputDevice;
    if (window_.RadioButtonCarteMoi && device >= 0 && device < static_cast<int>(ComboBoxChoixOut.Items.size()))
        ComboBoxChoixOutSelect(device);
}

void SoundOutput::ComboBoxChoixOutSelect(int index) {
    if (index < 0 || index >= static_cast<int>(ComboBoxChoixOut.Items.size())) return;
    ComboBoxChoixOut.ItemIndex = index;
    ComboBoxChoixOut.Text = ComboBoxChoixOut.Items[static_cast<std::size_t>(index)];
}

void SoundOutput::ComboBoxChoixOutChange(const std::string& text) {
    ComboBoxChoixOut.ItemIndex = -1;
    ComboBoxChoixOut.Text = text;
}

void SoundOutput::BitBtnOKCarteSonClick() {
    if (!status_.BitBtnOKCarteSonEnabled()) return;
    if (window_.RadioButtonCarteMoi && ComboBoxChoixOut.Text.empty()) {
        if (beep_) beep_();
        return;
    }
    window_.outputDevice = window_.RadioButtonCarteMoi ? ComboBoxChoixOut.ItemIndex : kDefaultOutputDevice;
    PanelCarteSon = false;
    useFromNextBulletin();
}

// The panel may have been opened before the bulletin began.
void SoundOutput::useFromNextBulletin() {
    if (!sequencer_.BulletinRunning()) {
        engine_.setOutputDevice(window_.outputDevice);
        return;
    }
    bulletinEnd_ = sequencer_.events.connect([this](const BulletinEvent& event) {
        if (event.kind != BulletinEvent::Kind::Done && event.kind != BulletinEvent::Kind::Abort) return;
        engine_.setOutputDevice(window_.outputDevice);
        bulletinEnd_.reset();
    });
}

void SoundOutput::setTrackBarVolume(int position) {
    position = std::clamp(position, 0, kSilentPosition);
    if (position == window_.TrackBarVolume) return;
    window_.TrackBarVolume = position;
    TrackBarVolumeChange();
}

void SoundOutput::TrackBarVolumeChange() {
    if (!catalogue_) return;
    ++changesInFlight_;
    catalogue_->setVolume(window_.outputDevice, volumeWord(window_.TrackBarVolume, window_.Balance));
    tasks_.post([this] { --changesInFlight_; });
}

void SoundOutput::ReadBackVolume() {
    if (!catalogue_) return;
    std::uint32_t word = 0;
    if (catalogue_->volume(window_.outputDevice, word)) lastRead_ = word;
    if (!lastRead_) {
        // Nothing known of the device's volume (one that plays at a volume
        // of ours, never set yet): it takes the slider's.
        TrackBarVolumeChange();
        return;
    }
    const long double left = *lastRead_ & 0xFFFF;
    const long double right = *lastRead_ >> 16;
    long double loudest = 0;
    if (right < left) {
        window_.Balance = rounded(100 - right / left * 100);
        loudest = left;
    } else if (right > 0) {
        window_.Balance = -rounded(100 - left / right * 100);
        loudest = right;
    }
    // The write rounded the level to the nearest step, up to half a step
    // below its tenth (position 3 writes 45874 of 45874.5): half a step more
    // before truncating reads every written position back as itself, where
    // the plain truncation moved 3 to 4 and 7 to 8 at the next tick.
    setTrackBarVolume(kSilentPosition - truncated((loudest + 0.5L) / kFullScale * 10));
}

void SoundOutput::Panel1MouseDown(MouseButton button, bool onMark) {
    if (!onMark || button == MouseButton::Middle) return;
    const int step = button == MouseButton::Left ? 10 : -10;
    window_.Gauge1 = std::clamp(window_.Gauge1 + step, 0, 100);
}

}  // namespace skycrier
