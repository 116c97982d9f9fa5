#pragma once
// Reads the WAVE layout the announcer accepts, from a clip held in memory or
// from a file: a 20-byte RIFF header whose last four bytes give the size of
// the format chunk, the format chunk, then chunks up to the first "data"
// chunk, which supplies the samples. Tags other than "data" are not checked,
// and no size, however large, reads or allocates past the bytes there are.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "announce/play_errors.h"
#include "platform/regular_file.h"
#include "platform/wave_out.h"

namespace skycrier {

// Bytes read front to back.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads exactly size bytes; false on a short read or a read error.
    virtual bool read(void* into, std::size_t size) = 0;
    // Moves size bytes on, which callers keep within remaining(); false on a read error.
    virtual bool skip(std::uint64_t size) = 0;
    virtual std::uint64_t remaining() const = 0;
};

class MemorySource : public ByteSource {
public:
    explicit MemorySource(std::span<const unsigned char> bytes) : bytes_(bytes) {}
    bool read(void* into, std::size_t size) override;
    bool skip(std::uint64_t size) override;
    std::uint64_t remaining() const override { return bytes_.size() - position_; }

private:
    std::span<const unsigned char> bytes_;
    std::size_t position_ = 0;
};

// A file opened as a regular file, read with positioned reads.
class FileSource : public ByteSource {
public:
    // The file must outlive the source.
    explicit FileSource(const RegularFile& file) : file_(file) {}
    bool read(void* into, std::size_t size) override;
    bool skip(std::uint64_t size) override;
    std::uint64_t remaining() const override { return file_.size() - position_; }

private:
    const RegularFile& file_;
    std::uint64_t position_ = 0;
};

struct WaveInfo {
    PcmFormat format;
    std::uint32_t formatChunkSize = 0;
};

// Reads the format and all sample bytes; samples is resized to the data size.
// Returns PlayError::None, or the step that failed.
PlayError readWave(ByteSource& source, WaveInfo& info, std::vector<std::uint8_t>& samples);

}  // namespace skycrier
