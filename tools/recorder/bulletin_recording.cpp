#include "bulletin_recording.h"

#include <ctime>
#include <vector>

#include "platform/wave_header.h"

namespace skycrier {
namespace {

// Read in pieces of 50 ms, so that a stop is taken within that time.
constexpr std::size_t kPiece = BulletinRecording::kSampleRate / 20;
constexpr std::uint64_t kMaxDataBytes = 0xFFFFFFFFu - 36;

// bulletin-20261207-140500.wav, with -2, -3, ... when that name is taken.
std::filesystem::path newFileName(const std::filesystem::path& folder) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "bulletin-%Y%m%d-%H%M%S", &local);
    std::filesystem::path name = folder / (std::string(stamp) + ".wav");
    for (int n = 2; std::filesystem::exists(name); ++n) name = folder / (std::string(stamp) + "-" + std::to_string(n) + ".wav");
    return name;
}

}  // namespace

std::unique_ptr<BulletinRecording> BulletinRecording::start(const std::string& device,
                                                            const std::filesystem::path& folder, std::string& error) {
    auto capture = AlsaCapture::open(device, kSampleRate, error);
    if (!capture) return nullptr;
    const std::filesystem::path file = newFileName(folder);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string header = monoWaveHeader(kSampleRate, 0);
    out.write(header.data(), static_cast<std::streamsize>(header.size()));
    if (!out) {
        error = file.string() + ": cannot be written";
        return nullptr;
    }
    return std::unique_ptr<BulletinRecording>(new BulletinRecording(std::move(capture), file, std::move(out)));
}

BulletinRecording::BulletinRecording(std::unique_ptr<AlsaCapture> capture, std::filesystem::path file,
                                     std::ofstream out)
    : capture_(std::move(capture)), file_(std::move(file)), out_(std::move(out)),
      started_(std::chrono::steady_clock::now()), thread_([this] { run(); }) {}

BulletinRecording::~BulletinRecording() {
    std::string ignored;
    stop(ignored);
}

std::uint64_t BulletinRecording::dueSamples() const {
    const auto until = stopping_ ? stopped_ : std::chrono::steady_clock::now();
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(until - started_).count();
    const std::uint64_t due = static_cast<std::uint64_t>(elapsed) * kSampleRate / 1'000'000;
    return due > written_ ? due - written_ : 0;
}

void BulletinRecording::run() {
    std::vector<std::int16_t> piece(kPiece);
    while (!stopping_) {
        const std::uint64_t due = dueSamples();
        if (due < kPiece) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        const long got = capture_->read(piece.data(), kPiece, failure_);
        if (got < 0 || !write(piece.data(), static_cast<std::size_t>(got))) return;
    }
    // What the device still holds up to the stop, then silence for whatever it could not deliver.
    std::uint64_t due = dueSamples();
    while (due > 0) {
        const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(due, kPiece));
        const long got = capture_->read(piece.data(), count, failure_);
        if (got <= 0) break;
        if (!write(piece.data(), static_cast<std::size_t>(got))) return;
        due = dueSamples();
    }
    const std::vector<std::int16_t> silence(static_cast<std::size_t>(due), 0);
    write(silence.data(), silence.size());
}

bool BulletinRecording::write(const std::int16_t* samples, std::size_t count) {
    if (count == 0) return true;
    if ((written_ + count) * 2 > kMaxDataBytes) {
        failure_ = "the recording is too long for a WAVE file";
        return false;
    }
    std::string bytes;
    bytes.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i) appendLe16(bytes, static_cast<std::uint16_t>(samples[i]));
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out_) {
        failure_ = file_.string() + ": cannot be written";
        return false;
    }
    written_ += count;
    return true;
}

bool BulletinRecording::stop(std::string& error) {
    if (finished_) return failure_.empty() ? true : (error = failure_, false);
    finished_ = true;
    stopped_ = std::chrono::steady_clock::now();
    stopping_ = true;
    thread_.join();
    const std::string header = monoWaveHeader(kSampleRate, static_cast<std::uint32_t>(written_ * 2));
    out_.seekp(0);
    out_.write(header.data(), static_cast<std::streamsize>(header.size()));
    out_.close();
    if (!out_ && failure_.empty()) failure_ = file_.string() + ": cannot be written";
    if (failure_.empty()) return true;
    error = failure_;
    return false;
}

}  // namespace skycrier
