#pragma once
// The status texts of the playback engine. Most come in two forms: one for a
// sound of the built-in vocabulary, one for a WAVE file named by path.

namespace skycrier {

enum class SoundOrigin { Resource, File };

enum class PlayError {
    None,
    EmptyName,      // no name or path given
    Open,           // no such clip, or the file cannot be opened
    Header,         // the first 20 bytes
    FormatRead,     // the format chunk
    NotPcm,
    NotMonoStereo,
    BadFormat,      // average bytes per second is not rate x block alignment
    ChunkTag,
    ChunkSize,
    ChunkSkip,      // a chunk reaches past the end
    SkipRead,       // the platform failed while skipping
    DataSize,
    NoMemory,
    DataRead,       // fewer sample bytes than the data chunk declares
    DeviceOpen,
    Prepare1,
    Write1,
    Prepare2,
    Write2,
    Prepare3,       // refilling a returned buffer
    Write3,
    AllocBuffers,   // start-up: a transfer buffer
    AllocBlock,     // start-up: the sample block
};

const char* playErrorText(PlayError error, SoundOrigin origin);

}  // namespace skycrier
