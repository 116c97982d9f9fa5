#pragma once
// One bulletin's recording: a WAVE file of 16-bit mono samples, filled from
// the capture device by a thread of its own until it is stopped. The file
// holds exactly as much sound as time went by between start and stop, also
// when a device (ALSA's null device) delivers faster than real time.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "platform/alsa_capture.h"

namespace skycrier {

class BulletinRecording {
public:
    static constexpr unsigned kSampleRate = 24'000;

    // Opens the device and a new time-stamped file in the folder; nothing, and the reason, when either fails.
    static std::unique_ptr<BulletinRecording> start(const std::string& device, const std::filesystem::path& folder,
                                                    std::string& error);
    // Stops if still running.
    ~BulletinRecording();
    BulletinRecording(const BulletinRecording&) = delete;
    BulletinRecording& operator=(const BulletinRecording&) = delete;

    // Ends the recording and completes the file; false with the reason when it could not be written whole.
    bool stop(std::string& error);
    const std::filesystem::path& file() const { return file_; }

private:
    BulletinRecording(std::unique_ptr<AlsaCapture> capture, std::filesystem::path file, std::ofstream out);
    void run();
    std::uint64_t dueSamples() const;
    bool write(const std::int16_t* samples, std::size_t count);

    std::unique_ptr<AlsaCapture> capture_;
    std::filesystem::path file_;
    std::ofstream out_;
    std::chrono::steady_clock::time_point started_;
    std::atomic<bool> stopping_{false};
    std::chrono::steady_clock::time_point stopped_;
    std::uint64_t written_ = 0;
    std::string failure_;
    bool finished_ = false;
    std::thread thread_;
};

}  // namespace skycrier
