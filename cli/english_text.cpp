#include "cli/english_text.h"

#include "base/text_catalogue.h"
#include "resources/embedded_resources.h"

namespace skycrier {

std::string inEnglish(const std::string& text) {
    static const TextCatalogue english = TextCatalogue::fromLinguistFile(resources::englishCatalogue());
    return translateText(text, [](const std::string& source) { return english.entry(source); });
}

}  // namespace skycrier
