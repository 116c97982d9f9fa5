#include "cli/vocabulary_command.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "announce/vocabulary.h"
#include "announce/wave_reader.h"
#include "app/builtin_clips.h"
#include "cli/usage.h"

namespace skycrier::cli {
namespace {

constexpr const char* kPrefix = "skycrier-cli vocabulary: ";

std::string lowerCase(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return lower;
}

void list(const Vocabulary& vocabulary, std::ostream& out) {
    for (const ClipBytes& clip : vocabulary.clips()) {
        MemorySource source(clip.bytes);
        WaveInfo info;
        std::vector<std::uint8_t> samples;
        const PlayError error = readWave(source, info, samples);
        out << clip.name << ' ';
        if (error == PlayError::None)
            out << info.format.samplesPerSecond << ' ' << info.formatChunkSize << ' ' << samples.size() << '\n';
        else
            out << playErrorText(error, SoundOrigin::Resource) << '\n';
    }
}

bool exportTo(const Vocabulary& vocabulary, const std::filesystem::path& folder, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    for (const ClipBytes& clip : vocabulary.clips()) {
        const auto path = folder / (lowerCase(clip.name) + ".wav");
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(clip.bytes.data()), static_cast<std::streamsize>(clip.bytes.size()));
        file.close();
        if (!file) {
            error = path.string() + ": cannot be written";
            return false;
        }
    }
    return true;
}

}  // namespace

int runVocabularyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (asksForHelp(args)) {
        printCommandHelp(out, kVocabularyHelp);
        return 0;
    }
    const auto fail = [&err](const std::string& why) {
        err << kPrefix << why << '\n';
        return 2;
    };
    const auto misuse = [&err](const std::string& why) { return usageError(err, "vocabulary", why, kVocabularyUsage); };
    bool listing = false;
    std::string exportFolder;
    std::string recordings;
    int modes = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--list") {
            listing = true;
            ++modes;
            continue;
        }
        if (a != "--export" && a != "--vocabulary") return misuse("unknown option \"" + a + "\"");
        if (i + 1 >= args.size()) return misuse(a + " needs a folder");
        if (a == "--export") {
            exportFolder = args[++i];
            ++modes;
        } else {
            recordings = args[++i];
        }
    }
    if (modes != 1) return misuse("vocabulary needs one of --list or --export DIR");

    const auto builtIn = builtInClips();
    Vocabulary vocabulary(builtIn);
    if (!recordings.empty()) {
        std::error_code ec;
        if (!std::filesystem::is_directory(recordings, ec)) return fail("--vocabulary " + recordings + ": no such folder");
        for (const std::string& notice : vocabulary.useRecordings(recordings)) err << kPrefix << notice << '\n';
    }
    if (listing) {
        list(vocabulary, out);
        return 0;
    }
    std::string error;
    return exportTo(vocabulary, exportFolder, error) ? 0 : fail(error);
}

}  // namespace skycrier::cli
