#pragma once
// The program's texts in a user's language. Every text is carried in the
// program's own words (mostly Spanish); a catalogue gives each its
// translation, and a text that shows a value is translated by its parts:
//
//   - the whole text, when the catalogue has it;
//   - else line by line (a title and its reason);
//   - else each part between ": " on its own ("Fehler: COM-Port …: kept as
//     configured"), a part whole or by its longest label: the start of the
//     part up to a blank, "(", "=" or ":" ("Ráfaga" of "Ráfaga (km/h) = 14"),
//     with the value after "=" looked up too ("CTS=Off").
//
// Leading and trailing blanks stay as they are; a part without letters, or a
// path, a key with its value or a quoted line, is no words and stays too.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace skycrier {

// A catalogue's translation of one whole text, or nothing.
using CatalogueLookup = std::function<std::optional<std::string>(const std::string& source)>;

// The text in the catalogue's language; the parts made of words that no
// entry translates are added to `missed` when given.
std::string translateText(std::string_view text, const CatalogueLookup& lookup,
                          std::vector<std::string>* missed = nullptr);

// The source and translation pairs of a Qt Linguist catalogue (.ts).
class TextCatalogue {
public:
    static TextCatalogue fromLinguistFile(std::string_view ts);

    std::optional<std::string> entry(const std::string& source) const;

private:
    std::unordered_map<std::string, std::string> entries_;
};

}  // namespace skycrier
