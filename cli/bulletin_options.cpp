#include "base/decimal_integer.h"
#include "cli/bulletin_options.h"

#include "app/config_file.h"
#include "platform/date_time.h"

namespace skycrier::cli {

std::optional<BulletinOptions> parseBulletinOptions(const std::vector<std::string>& args, std::string& error) {
    BulletinOptions o;
    int modes = 0;
    bool deviceGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&](std::string& target) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            target = args[++i];
            return true;
        };
        if (a == "--ini") {
            if (!value(o.ini)) return std::nullopt;
        } else if (a == "--record") {
            if (!value(o.record)) return std::nullopt;
        } else if (a == "--vocabulary") {
            if (!value(o.vocabulary)) return std::nullopt;
        } else if (a == "--folder") {
            if (!value(o.folder)) return std::nullopt;
        } else if (a == "--at") {
            std::string text;
            if (!value(text)) return std::nullopt;
            o.at = parseDateTime(text);
            if (!o.at) {
                error = "--at needs \"YYYY-MM-DD HH:MM:SS\", not \"" + text + "\"";
                return std::nullopt;
            }
        } else if (a == "--device") {
            std::string text;
            if (!value(text)) return std::nullopt;
            const auto n = parseDecimalInteger(text);
            if (text.empty() || (n && *n < -1)) {
                error = "--device needs -1 (the default output), a device number or an output's name, not \"" +
                        text + "\" (skycrier-cli devices lists them)";
                return std::nullopt;
            }
            o.device = n ? OutputDevice{*n} : OutputDevice{kDefaultOutputDevice, text};
            deviceGiven = true;
        } else if (a == "--list") {
            o.mode = BulletinOptions::Mode::List;
            ++modes;
        } else if (a == "--wav") {
            if (!value(o.wavPath)) return std::nullopt;
            o.mode = BulletinOptions::Mode::Wav;
            ++modes;
        } else if (a == "--play") {
            o.mode = BulletinOptions::Mode::Play;
            ++modes;
        } else {
            error = "unknown option \"" + a + "\"";
            return std::nullopt;
        }
    }
    if (modes != 1) {
        error = "bulletin needs one of --list, --wav FILE or --play";
        return std::nullopt;
    }
    if (o.mode == BulletinOptions::Mode::Play && o.at) {
        error = "--at cannot be used with --play, which speaks the time of now";
        return std::nullopt;
    }
    if (o.mode != BulletinOptions::Mode::Play && deviceGiven) {
        error = "--device goes with --play";
        return std::nullopt;
    }
    return o;
}

}  // namespace skycrier::cli
