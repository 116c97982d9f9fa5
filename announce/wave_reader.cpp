#include "announce/wave_reader.h"

#include <cstring>
#include <new>
#include <stdexcept>
#include <string_view>

#include "base/little_endian.h"

namespace skycrier {
namespace {

constexpr std::size_t kRiffHeaderSize = 20;
constexpr std::size_t kFormatRecordSize = 16;

bool readLe32(ByteSource& source, std::uint32_t& value) {
    char bytes[4];
    if (!source.read(bytes, sizeof bytes)) return false;
    value = le::u32({bytes, sizeof bytes}, 0);
    return true;
}

PlayError readFormat(ByteSource& source, WaveInfo& info) {
    char header[kRiffHeaderSize];
    if (!source.read(header, sizeof header)) return PlayError::Header;
    const std::uint32_t size = le::u32({header, sizeof header}, 16);
    info.formatChunkSize = size;
    // A record shorter than the PCM format cannot describe the samples.
    if (size < kFormatRecordSize || size > source.remaining()) return PlayError::FormatRead;
    char record[kFormatRecordSize];
    if (!source.read(record, sizeof record) || !source.skip(size - kFormatRecordSize)) return PlayError::FormatRead;

    const std::string_view r(record, sizeof record);
    PcmFormat& f = info.format;
    f.formatTag = le::u16(r, 0);
    f.channels = le::u16(r, 2);
    f.samplesPerSecond = le::u32(r, 4);
    f.averageBytesPerSecond = le::u32(r, 8);
    f.blockAlign = le::u16(r, 12);
    f.bitsPerSample = le::u16(r, 14);
    if (f.formatTag != 1) return PlayError::NotPcm;
    if (f.channels != 1 && f.channels != 2) return PlayError::NotMonoStereo;
    if (static_cast<std::uint64_t>(f.averageBytesPerSecond) !=
        static_cast<std::uint64_t>(f.samplesPerSecond) * f.blockAlign)
        return PlayError::BadFormat;
    return PlayError::None;
}

}  // namespace

bool MemorySource::read(void* into, std::size_t size) {
    if (size > remaining()) return false;
    if (size > 0) std::memcpy(into, bytes_.data() + position_, size);
    position_ += size;
    return true;
}

bool MemorySource::skip(std::uint64_t size) {
    if (size > remaining()) return false;
    position_ += static_cast<std::size_t>(size);
    return true;
}

bool FileSource::read(void* into, std::size_t size) {
    if (size > remaining() || !file_.readAt(position_, into, size)) return false;
    position_ += size;
    return true;
}

bool FileSource::skip(std::uint64_t size) {
    if (size > remaining()) return false;
    position_ += size;
    return true;
}

PlayError readWave(ByteSource& source, WaveInfo& info, std::vector<std::uint8_t>& samples) {
    if (const PlayError error = readFormat(source, info); error != PlayError::None) return error;

    for (;;) {
        char tag[4];
        if (!source.read(tag, sizeof tag)) return PlayError::ChunkTag;
        if (std::memcmp(tag, "data", sizeof tag) == 0) break;
        std::uint32_t size = 0;
        if (!readLe32(source, size)) return PlayError::ChunkSize;
        if (size > source.remaining()) return PlayError::ChunkSkip;
        if (!source.skip(size)) return PlayError::SkipRead;
    }

    std::uint32_t dataSize = 0;
    if (!readLe32(source, dataSize)) return PlayError::DataSize;
    // Checked before resizing, so a lying size never asks for gigabytes.
    if (dataSize > source.remaining()) return PlayError::DataRead;
    try {
        samples.resize(dataSize);
    } catch (const std::bad_alloc&) {
        return PlayError::NoMemory;
    } catch (const std::length_error&) {
        return PlayError::NoMemory;
    }
    if (!source.read(samples.data(), dataSize)) return PlayError::DataRead;
    return PlayError::None;
}

}  // namespace skycrier
