#include "announce/playback_engine.h"

#include <algorithm>
#include <new>

#include "announce/bulletin_settings.h"

namespace skycrier {

PlaybackEngine::PlaybackEngine(const Parts& parts) : parts_(parts), tasks_(parts.loop) {}

PlaybackEngine::~PlaybackEngine() {
    if (opening_ == 0) return;
    parts_.out.reset();
    parts_.out.close();
}

bool PlaybackEngine::allocateBuffers() {
    try {
        transfer_[0].assign(kTransferBufferSize, 0);
        transfer_[1].assign(kTransferBufferSize, 0);
    } catch (const std::bad_alloc&) {
        parts_.status.setStatusText(playErrorText(PlayError::AllocBuffers, SoundOrigin::Resource));
        return false;
    }
    try {
        block_.assign(kInitialBlockSize, 0);
    } catch (const std::bad_alloc&) {
        parts_.status.setStatusText(playErrorText(PlayError::AllocBlock, SoundOrigin::Resource));
        return false;
    }
    allocated_ = true;
    return true;
}

void PlaybackEngine::playResource(const std::string& name) { play(SoundOrigin::Resource, name); }

void PlaybackEngine::playFile(const std::string& path) { play(SoundOrigin::File, path); }

void PlaybackEngine::playGreetingTest() { playFile(kDefaultGreetingFile); }

void PlaybackEngine::playVocabularyTest() { playResource("son0"); }

void PlaybackEngine::play(SoundOrigin origin, const std::string& name) {
    if (playing_) return;
    if (name.empty()) {
        if (beep_) beep_();
        fail(PlayError::EmptyName, origin);
        return;
    }
    if (!allocated_) {
        fail(PlayError::AllocBlock, origin);
        return;
    }
    std::string reason;
    PlayError error = load(origin, name, reason);
    if (error == PlayError::None) error = start();
    if (error == PlayError::DeviceOpen) {
        reason = parts_.out.openFailure();
        if (reason.empty()) reason = "the sound output could not be opened; skycrier-cli devices lists the outputs";
    }
    if (error != PlayError::None) fail(error, origin, reason);
}

PlayError PlaybackEngine::load(SoundOrigin origin, const std::string& name, std::string& reason) {
    if (origin == SoundOrigin::Resource) {
        const auto clip = parts_.vocabulary.find(name);
        if (!clip) return PlayError::Open;
        MemorySource source(*clip);
        return readWave(source, info_, block_);
    }
    // Only a regular file: a folder cannot be read and a named pipe could block the loop.
    const std::string path = resolve_ ? resolve_(name) : name;
    const auto file = RegularFile::open(path, reason);
    if (!file) {
        reason = path + ": " + reason;
        return PlayError::Open;
    }
    FileSource source(*file);
    return readWave(source, info_, block_);
}

// Opens the output and queues the first one or two buffers.
PlayError PlaybackEngine::start() {
    const std::uint64_t opening = ++openings_;
    WaveOut::Events events;
    events.opened = tasks_.guard([this, opening] { onOpened(opening); });
    events.done = tasks_.guard([this, opening](int buffer) { onDone(opening, buffer); });
    events.trouble = tasks_.guard([this](const std::string& text) { parts_.status.noticed.emit(text); });
    if (!parts_.out.open(outputDevice_, info_.format, std::move(events))) return PlayError::DeviceOpen;
    opening_ = opening;

    readPosition_ = 0;
    queuedCount_ = 0;
    doneCount_ = 0;
    const std::size_t sizeA = fill(0);
    const std::size_t sizeB = readPosition_ < block_.size() ? fill(1) : 0;

    if (!parts_.out.prepare(0)) return PlayError::Prepare1;
    if (!parts_.out.write(0, transfer_[0].data(), sizeA)) return PlayError::Write1;
    queuedCount_ = 1;
    if (sizeB > 0) {
        if (!parts_.out.prepare(1)) return PlayError::Prepare2;
        if (!parts_.out.write(1, transfer_[1].data(), sizeB)) return PlayError::Write2;
        queuedCount_ = 2;
    }
    playing_ = true;
    startedAt_ = parts_.loop.monotonicMs();
    const std::uint32_t rate = info_.format.averageBytesPerSecond;
    soundLengthMs_ = rate > 0 ? static_cast<Millis>(block_.size() * 1000 / rate) : 0;
    return PlayError::None;
}

std::size_t PlaybackEngine::fill(int buffer) {
    const std::size_t size = std::min(kTransferBufferSize, block_.size() - readPosition_);
    std::copy_n(block_.begin() + static_cast<std::ptrdiff_t>(readPosition_), size, transfer_[buffer].begin());
    readPosition_ += size;
    return size;
}

void PlaybackEngine::fail(PlayError error, SoundOrigin origin, const std::string& reason) {
    if (reason.empty())
        parts_.status.setStatusText(playErrorText(error, origin));
    else
        parts_.status.showFailure(playErrorText(error, origin), reason);
    failed.emit();
}

void PlaybackEngine::onOpened(std::uint64_t opening) {
    if (opening == opening_) deviceOpened_ = true;
}

void PlaybackEngine::onDone(std::uint64_t opening, int buffer) {
    if (opening != opening_) return;
    parts_.out.unprepare(buffer);
    ++doneCount_;
    if (!deviceOpened_) return;
    if (doneCount_ < queuedCount_) {
        if (readPosition_ >= block_.size()) return;
        const std::size_t size = fill(buffer);
        if (!parts_.out.prepare(buffer)) {
            fail(PlayError::Prepare3, SoundOrigin::Resource);
            return;
        }
        if (!parts_.out.write(buffer, transfer_[buffer].data(), size)) {
            fail(PlayError::Write3, SoundOrigin::Resource);
            return;
        }
        ++queuedCount_;
        return;
    }
    endSound();
}

// Every buffer has come back: close the output, then let the bulletin go on.
void PlaybackEngine::endSound() {
    parts_.out.unprepare(0);
    parts_.out.unprepare(1);
    parts_.out.reset();
    parts_.out.close();
    opening_ = 0;
    tasks_.callAfter(kCloseWaitMs, [this] {
        deviceOpened_ = false;
        playing_ = false;
        soundEnded();
    });
}

void PlaybackEngine::soundEnded() { finished.emit(); }

bool PlaybackEngine::stalled() const {
    return playing_ && parts_.loop.monotonicMs() - startedAt_ > soundLengthMs_ + kStallMarginMs;
}

bool PlaybackEngine::stopOutput() {
    // What the output hands back from here on belongs to an ended opening.
    opening_ = 0;
    tasks_.clear();
    parts_.out.dropStream();
    return parts_.out.unprepare(0) && parts_.out.unprepare(1) && parts_.out.reset() && parts_.out.close();
}

void PlaybackEngine::clearState() {
    deviceOpened_ = false;
    playing_ = false;
}

}  // namespace skycrier
