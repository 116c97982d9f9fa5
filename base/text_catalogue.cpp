#include "base/text_catalogue.h"

#include <algorithm>

#include "base/text_lines.h"

namespace skycrier {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Any letter: ASCII, or a byte of a UTF-8 sequence (á, ñ, ü …).
bool hasLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x80 || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
    });
}

// A path, a key with its value, a call sign, a quoted line: a part that is no words.
bool isData(std::string_view part) {
    if (part.starts_with('[') || part.starts_with('"')) return true;
    if (part.find(' ') != std::string_view::npos) return false;
    return part.find_first_of("0123456789/\\.=_@") != std::string_view::npos;
}

// A part's translation and how much of the part the entry that gave it
// covers: all of it, or its label.
struct PartTranslation {
    std::string text;
    std::size_t covered;
};

// A part: whole, else its longest label and, after "=", its value.
std::optional<PartTranslation> translatePart(const std::string& part, const CatalogueLookup& lookup) {
    if (auto whole = lookup(part)) return PartTranslation{*whole, part.size()};
    for (std::size_t cut = part.size() - 1; cut > 0; --cut) {
        if (std::string_view(" (=:").find(part[cut]) == std::string_view::npos) continue;
        const auto label = lookup(part.substr(0, cut));
        if (!label) continue;
        std::string rest = part.substr(cut);
        if (rest.starts_with('=')) {
            const std::size_t separator = rest.size() > 1 && rest[1] == ' ' ? 2 : 1;
            if (const auto value = lookup(rest.substr(separator))) rest = rest.substr(0, separator) + *value;
        }
        return PartTranslation{*label + rest, cut};
    }
    return std::nullopt;
}

std::vector<std::string> split(const std::string& text, std::string_view separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

std::string unescapedXml(std::string_view text) {
    static const std::pair<std::string_view, char> kEntities[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}, {"&amp;", '&'}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [entity, c] : kEntities)
            if (text.substr(i).starts_with(entity)) {
                out += c;
                i += entity.size();
                replaced = true;
                break;
            }
        if (!replaced) out += text[i++];
    }
    return out;
}

// The text between <tag ...> and </tag> from `from` on; npos when there is none.
std::optional<std::string_view> element(std::string_view ts, std::string_view tag, std::size_t& from) {
    const std::size_t open = ts.find("<" + std::string(tag), from);
    if (open == std::string_view::npos) return std::nullopt;
    const std::size_t body = ts.find('>', open);
    const std::size_t close = ts.find("</" + std::string(tag) + ">", body);
    if (body == std::string_view::npos || close == std::string_view::npos) return std::nullopt;
    from = close;
    return ts.substr(body + 1, close - body - 1);
}

}  // namespace

std::string translateText(std::string_view text, const CatalogueLookup& lookup, std::vector<std::string>* missed) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string core(text.substr(begin, end - begin));
    if (!hasLetter(core)) return std::string(text);
    std::string translated;
    if (const auto whole = lookup(core)) {
        translated = *whole;
    } else if (core.find('\n') != std::string::npos) {
        std::vector<std::string> lines = split(core, "\n");
        for (std::string& line : lines) line = translateText(line, lookup, missed);
        translated = joined(lines, "\n");
    } else {
        // The longest run of parts an entry reaches into ("Fehler: COM-Port" of
        // "Fehler: COM-Port (…): kept as configured"), else the part as it is.
        const std::vector<std::string> parts = split(core, ": ");
        const auto run = [&parts](std::size_t from, std::size_t to) {
            return joined(std::vector<std::string>(parts.begin() + from, parts.begin() + to), ": ");
        };
        std::vector<std::string> shown;
        for (std::size_t first = 0; first < parts.size();) {
            std::size_t next = first + 1;
            std::optional<std::string> translation;
            for (std::size_t last = parts.size(); last-- > first && !translation;) {
                const auto t = translatePart(run(first, last + 1), lookup);
                if (t && (last == first || t->covered > run(first, last).size() + 2)) {
                    translation = t->text;
                    next = last + 1;
                }
            }
            if (!translation && hasLetter(parts[first]) && !isData(parts[first]) && missed)
                missed->push_back(parts[first]);
            shown.push_back(translation.value_or(parts[first]));
            first = next;
        }
        translated = joined(shown, ": ");
    }
    return std::string(text.substr(0, begin)) + translated + std::string(text.substr(end));
}

TextCatalogue TextCatalogue::fromLinguistFile(std::string_view ts) {
    TextCatalogue catalogue;
    std::size_t at = 0;
    while (const auto message = element(ts, "message", at)) {
        std::size_t inside = 0;
        const auto source = element(*message, "source", inside);
        const auto translation = element(*message, "translation", inside);
        // As lrelease does, an unfinished or dropped entry translates nothing.
        const bool finished = message->find("type=") == std::string_view::npos;
        if (source && translation && finished) catalogue.entries_[unescapedXml(*source)] = unescapedXml(*translation);
    }
    return catalogue;
}

std::optional<std::string> TextCatalogue::entry(const std::string& source) const {
    const auto found = entries_.find(source);
    if (found == entries_.end()) return std::nullopt;
    return found->second;
}

}  // namespace skycrier
