#include "cli/json_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace skycrier::cli {

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string jsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char text[32];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : "null";
}

std::string meteoJson(const MeteoData& d) {
    std::string out = "{";
    for (const MeteoField f : kAllFields) out += jsonString(std::string(fieldName(f))) + ": " + jsonNumber(d.value(f)) + ", ";
    out += "\"ObservedAt\": " + jsonNumber(d.ObservedAt) + ", \"Input\": " + jsonString(d.Input) +
           ", \"ErrorText\": " + jsonString(d.ErrorText) + ", \"DeferredPoll\": " + (d.DeferredPoll ? "true" : "false") +
           "}";
    return out;
}

std::string captionsJson(const std::vector<std::pair<std::string, Caption>>& captions) {
    std::string out = "{";
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (i) out += ", ";
        out += jsonString(captions[i].first) + ": {\"caption\": " + jsonString(captions[i].second.caption) +
               ", \"red\": " + (captions[i].second.red ? "true" : "false") + "}";
    }
    return out + "}";
}

}  // namespace skycrier::cli
