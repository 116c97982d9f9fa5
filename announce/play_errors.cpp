#include "announce/play_errors.h"

namespace skycrier {

const char* playErrorText(PlayError error, SoundOrigin origin) {
    const bool res = origin == SoundOrigin::Resource;
    switch (error) {
    case PlayError::None: return "";
    case PlayError::EmptyName: return res ? "Err: Res Wave" : "Err: Wave file";
    case PlayError::Open: return res ? "Error: Res Wave" : "Err: Wave file name";
    case PlayError::Header: return res ? "Err: Res Wave" : "Err: wave file";
    case PlayError::FormatRead: return res ? "Err: Reading Res wave" : "Err: Reading wave file";
    case PlayError::NotPcm: return res ? "Err: Res none PCM" : "Err: none PCM file";
    case PlayError::NotMonoStereo: return res ? "Err: Res none mono/stereo" : "Err: none mono/stereo file";
    case PlayError::BadFormat: return res ? "Err: Res wave format" : "Err: Wave file format";
    case PlayError::ChunkTag: return res ? "Err: Res wave header" : "Err: Header wave file";
    case PlayError::ChunkSize: return res ? "Err: Chunk Res wave" : "Err: chunk wave file";
    case PlayError::ChunkSkip: return res ? "Err: chunk2 Res wave" : "Err: chunk2 wave file";
    case PlayError::SkipRead: return res ? "Err: Res wave data" : "Err: Wave file data";
    case PlayError::DataSize: return res ? "Err: Reading(2) Res wave" : "Err: Reading(2) wave file";
    case PlayError::NoMemory: return "Err: Not enough memory";
    case PlayError::DataRead: return res ? "Err: Reading(3) Res wave" : "Err: Reading(3) wave file";
    case PlayError::DeviceOpen: return res ? "Err: WaveOutOpen" : "Err: Opening sound card";
    case PlayError::Prepare1: return res ? "Err: Prepareheader1" : "Err: PrepareHeader1";
    case PlayError::Write1: return res ? "Err: waveOutWrite1" : "Err: WaveOutWrite1";
    case PlayError::Prepare2: return res ? "Err: Prepareheader2" : "Err: PrepareHeader2";
    case PlayError::Write2: return res ? "Err: waveOutWrite2" : "Err: WaveOutWrite2";
    case PlayError::Prepare3: return "Error: prepare hdr3 wave";
    case PlayError::Write3: return "Error: wave_out_write3 wave";
    case PlayError::AllocBuffers: return "Error: Alloc Mem";
    case PlayError::AllocBlock: return "Error: Alloc mem";
    }
    return "";
}

}  // namespace skycrier
