#include "platform/alsa_pcm_route.h"

#include <alsa/asoundlib.h>

#include <string_view>

namespace skycrier {
namespace {

// Deeper than any chain of plugins a configuration builds, short of a loop.
constexpr int kMostSlaves = 8;

bool isServerType(std::string_view type) { return type == "pulse" || type == "pipewire" || type == "jack"; }

bool definitionReachesServer(snd_config_t* top, const char* pcm, int depth);

bool nodeReachesServer(snd_config_t* top, snd_config_t* node, int depth) {
    if (depth > kMostSlaves) return false;
    snd_config_t* found = nullptr;
    const char* text = nullptr;
    if (snd_config_search(node, "type", &found) >= 0 && snd_config_get_string(found, &text) >= 0 && isServerType(text))
        return true;
    // "slave.pcm" for the plugins, "playback.pcm" for asym: a PCM's name, or its definition in place.
    for (const char* key : {"slave.pcm", "playback.pcm"}) {
        if (snd_config_search(node, key, &found) < 0) continue;
        const bool server = snd_config_get_string(found, &text) >= 0 ? definitionReachesServer(top, text, depth + 1)
                                                                    : nodeReachesServer(top, found, depth + 1);
        if (server) return true;
    }
    return false;
}

bool definitionReachesServer(snd_config_t* top, const char* pcm, int depth) {
    snd_config_t* definition = nullptr;
    if (snd_config_search_definition(top, "pcm", pcm, &definition) < 0) return false;
    const bool server = nodeReachesServer(top, definition, depth);
    snd_config_delete(definition);
    return server;
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

std::optional<std::string> cardOfPcm(const std::string& pcm) {
    const std::size_t colon = pcm.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const std::string_view base = std::string_view(pcm).substr(0, colon);
    std::string_view args = std::string_view(pcm).substr(colon + 1);
    for (bool first = true; !args.empty(); first = false) {
        const std::size_t comma = args.find(',');
        const std::string_view arg = args.substr(0, comma);
        if (arg.starts_with("CARD=")) return std::string(unquoted(arg.substr(5)));
        // "hw" and "plughw" take the card first when their arguments are given in order.
        if (first && (base == "hw" || base == "plughw") && arg.find('=') == std::string_view::npos && !arg.empty())
            return std::string(unquoted(arg));
        if (comma == std::string_view::npos) break;
        args.remove_prefix(comma + 1);
    }
    return std::nullopt;
}

bool reachesSoundServer(const std::string& pcm) {
    snd_config_t* top = nullptr;
    if (snd_config_update_ref(&top) < 0) return false;
    const bool server = definitionReachesServer(top, pcm.c_str(), 0);
    snd_config_unref(top);
    return server;
}

}  // namespace skycrier
