#pragma once
// The desktop program's language. Every text a window shows is written in the
// program's own words (mostly Spanish) and shown through the English or the
// Spanish catalogue, compiled in from resources/translations; a text that
// shows a value is translated by its parts (base/text_catalogue.h). The
// engine's texts, the configuration and the log keep their bytes. Texts no
// entry translates are kept for the control listing, which reports them.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;
class QObject;

namespace skycrier::gui {

enum class Language { English, Spanish };

// "en" and "es": the values of --lang and of the configuration.
const char* languageCode(Language language);
std::optional<Language> languageOfCode(std::string_view code);

// The locale's language: the first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG
// that is set decides; Spanish for Spanish locales, English otherwise.
Language localeLanguage(const std::function<const char*(const char*)>& environment);

// Installs the language's catalogue; the windows' texts follow at the next translateTexts.
void useLanguage(Language language);
Language currentLanguage();

// A text of the program's own, as the current language shows it.
QString shown(const char* text);
QString shown(const std::string& text);
// A list's entries, each as the current language shows it ("No COM" among the ports).
std::vector<std::string> shownEach(const std::vector<std::string>& texts);

// Translates every static text of the window and its children: titles,
// captions, menus, hints, spin-box prefixes and suffixes, placeholders. Each
// text's own words are kept with its control, so that a later language
// translates them again.
void translateTexts(QObject* window);

// Shows the program's own words as a control's caption (label, button, group,
// line, menu item), hint or window title, translated; a later language
// translates them again.
void showOwnText(QObject* control, const std::string& own);
void showOwnHint(QWidget* control, const std::string& own);
void showOwnTitle(QWidget* window, const std::string& own);

// Tells a control that its caption, or only its hint, shows data (a path, a
// port, a name), never a text to translate.
void showsData(QObject* control);
void hintShowsData(QObject* control);

// The texts shown since the last language change that no entry translated.
QStringList untranslatedTexts();

}  // namespace skycrier::gui
