#include "app/sound_output.h"

#include <algorithm>
#include <cmath>

#include "base/text_lines.h"

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

// An output of the list, by its name, is the chosen one: by the chosen name,
// or by the number when only a number was chosen (an older configuration's).
bool isChosen(const OutputDevice& listed, const OutputDevice& chosen) {
    if (!chosen.name.empty()) return listed.name == chosen.name;
    return chosen.number != kDefaultOutputDevice && listed.number == chosen.number;
}

OutputDevice deviceOf(const OutputEntry& entry) { return {entry.number.value_or(kDefaultOutputDevice), entry.name}; }

}  // namespace

SoundOutput::SoundOutput(const Parts& parts)
    : window_(parts.window),
      engine_(parts.engine),
      sequencer_(parts.sequencer),
      status_(parts.status),
      catalogue_(parts.catalogue),
      beep_(parts.beep),
      tasks_(parts.loop) {}

std::optional<std::string> SoundOutput::useConfiguredOutput() {
    engine_.setOutputDevice(window_.chosenOutput());
    if (!catalogue_ || !window_.settings().ownOutputChosen) return std::nullopt;
    const OutputDevice& chosen = window_.settings().outputDevice;
    for (const OutputEntry& entry : catalogue_->outputs())
        if (isChosen(deviceOf(entry), chosen)) return std::nullopt;
    const std::string shown = chosen.name.empty() ? "number " + std::to_string(chosen.number) : "\"" + chosen.name + "\"";
    return "sound output " + shown + " is not among the outputs ALSA lists now; it stays chosen and each bulletin tries it";
}

void SoundOutput::addItem(const std::string& text, const OutputDevice& device) {
    outputList_.Items.push_back(text);
    items_.push_back(device);
}

void SoundOutput::openOutputPanel() {
    status_.setSoundOutputOkEnabled(!sequencer_.bulletinRunning());
    outputPanelShown_ = true;
    outputList_ = {};
    items_.clear();
    typed_.clear();
    if (catalogue_)
        for (const OutputEntry& entry : catalogue_->outputs()) {
            if (!entry.description) outputList_.Text = kUnreadableDevice;
            const bool described = entry.description && !entry.description->empty();
            addItem(described ? entry.name + " — " + *entry.description : entry.name, deviceOf(entry));
        }
    if (window_.settings().ownOutputChosen) selectChosenOutput();
    changed.emit();
}

void SoundOutput::selectChosenOutput() {
    const OutputDevice& chosen = window_.settings().outputDevice;
    const auto listed = std::find_if(items_.begin(), items_.end(),
                                     [&chosen](const OutputDevice& item) { return isChosen(item, chosen); });
    const auto at = static_cast<int>(listed - items_.begin());
    // A name not there now is kept, as the last item, so that confirming the
    // panel does not lose it. A number not there selects nothing.
    if (listed == items_.end() && !chosen.name.empty()) addItem(chosen.name + kNotPresent, chosen);
    pickOutput(at);
}

void SoundOutput::pickOutput(int index) {
    if (index < 0 || index >= static_cast<int>(outputList_.Items.size())) return;
    outputList_.ItemIndex = index;
    outputList_.Text = outputList_.Items[static_cast<std::size_t>(index)];
    typed_.clear();
}

void SoundOutput::typeOutput(const std::string& text) {
    outputList_.ItemIndex = -1;
    outputList_.Text = text;
    typed_ = trimmed(text);
}

void SoundOutput::confirmOutput() {
    if (!status_.soundOutputOkEnabled()) return;
    if (window_.settings().ownOutputChosen && outputList_.Text.empty()) {
        if (beep_) beep_();
        return;
    }
    OutputDevice chosen;
    if (window_.settings().ownOutputChosen && outputList_.ItemIndex >= 0)
        chosen = items_[static_cast<std::size_t>(outputList_.ItemIndex)];
    else if (window_.settings().ownOutputChosen)
        chosen.name = typed_;
    // The volume read so far was another output's.
    if (chosen != window_.settings().outputDevice) lastRead_.reset();
    window_.settings().outputDevice = chosen;
    outputPanelShown_ = false;
    useFromNextBulletin();
    // The slider shows the chosen output's volume, and says where it is set, at once.
    readBackVolume();
    changed.emit();
}

// The panel may have been opened before the bulletin began.
void SoundOutput::useFromNextBulletin() {
    if (!sequencer_.bulletinRunning()) {
        engine_.setOutputDevice(window_.chosenOutput());
        return;
    }
    bulletinEnd_ = sequencer_.events.connect([this](const BulletinEvent& event) {
        if (event.kind != BulletinEvent::Kind::Done && event.kind != BulletinEvent::Kind::Abort) return;
        engine_.setOutputDevice(window_.chosenOutput());
        bulletinEnd_.reset();
    });
}

void SoundOutput::moveVolumeSlider(int position) {
    position = std::clamp(position, 0, kSilentPosition);
    if (position == window_.settings().volumePosition) return;
    window_.settings().volumePosition = position;
    writeVolume();
}

void SoundOutput::writeVolume() {
    if (!catalogue_) return;
    ++changesInFlight_;
    const MainWindowSettings& settings = window_.settings();
    catalogue_->setVolume(window_.chosenOutput(), volumeWord(settings.volumePosition, settings.Balance));
    tasks_.post([this] { --changesInFlight_; });
}

void SoundOutput::readBackVolume() {
    const int position = window_.settings().volumePosition;
    const std::string hint = volumeHint_;
    readVolume();
    if (window_.settings().volumePosition != position || volumeHint_ != hint) changed.emit();
}

void SoundOutput::readVolume() {
    if (!catalogue_) return;
    const OutputDevice device = window_.chosenOutput();
    const bool inSamples = catalogue_->volumeControl(device) == VolumeControl::Samples;
    volumeHint_ = inSamples ? kSamplesVolumeHint : "";
    std::uint32_t word = 0;
    if (catalogue_->volume(device, word)) lastRead_ = word;
    if (!lastRead_) {
        // Nothing known of the output's volume. One that plays at a volume
        // of ours, never set yet, takes the slider's; a card's mixer is not
        // ours to set unasked.
        if (inSamples) writeVolume();
        return;
    }
    const long double left = *lastRead_ & 0xFFFF;
    const long double right = *lastRead_ >> 16;
    long double loudest = 0;
    if (right < left) {
        window_.settings().Balance = rounded(100 - right / left * 100);
        loudest = left;
    } else if (right > 0) {
        window_.settings().Balance = -rounded(100 - left / right * 100);
        loudest = right;
    }
    // The write rounded the level to the nearest step, up to half a step
    // below its tenth (position 3 writes 45874 of 45874.5): half a step more
    // before truncating reads every written position back as itself, where
    // the plain truncation moved 3 to 4 and 7 to 8 at the next tick. Only
    // shown: the output keeps its level until the user moves the slider.
    window_.settings().volumePosition = kSilentPosition - truncated((loudest + 0.5L) / kFullScale * 10);
}

void SoundOutput::pressLevelMark(MouseButton button, bool onMark) {
    if (!onMark || button == MouseButton::Middle) return;
    const int step = button == MouseButton::Left ? 10 : -10;
    window_.settings().levelMark = std::clamp(window_.settings().levelMark + step, 0, 100);
    changed.emit();
}

}  // namespace skycrier
