#include "cli/schedule_command.h"

#include <cmath>
#include <optional>

#include "app/announcer.h"
#include "app/config_file.h"
#include "base/decimal_integer.h"
#include "cli/bulletin_inputs.h"
#include "cli/english_text.h"
#include "cli/instant_wave_out.h"
#include "platform/listing_serial_line.h"
#include "cli/usage.h"
#include "platform/date_time.h"
#include "platform/virtual_loop.h"

namespace skycrier::cli {
namespace {

constexpr const char* kPrefix = "skycrier-cli schedule: ";
constexpr double kMillisPerDay = 86'400'000.0;
// A longer span would only take longer to print the same pattern.
constexpr int kMaxSpanDays = 366;
// The sequencer's watchdog ends a bulletin two minutes after its start; a
// held bulletin stays clear of it.
constexpr int kMaxBulletinSeconds = static_cast<int>(Sequencer::kWatchdogMs / 1000) - 5;

struct ScheduleOptions {
    std::string ini;
    std::string folder;
    std::optional<double> from;
    std::optional<double> to;
    int bulletinSeconds = 30;
};

std::optional<ScheduleOptions> parseOptions(const std::vector<std::string>& args, std::string& error) {
    ScheduleOptions o;
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
        const auto moment = [&](std::optional<double>& target) {
            std::string text;
            if (!value(text)) return false;
            target = parseDateTime(text + ":00");
            if (!target) error = a + " needs \"YYYY-MM-DD HH:MM\", not \"" + text + "\"";
            return target.has_value();
        };
        if (a == "--ini") {
            if (!value(o.ini)) return std::nullopt;
        } else if (a == "--folder") {
            if (!value(o.folder)) return std::nullopt;
        } else if (a == "--from") {
            if (!moment(o.from)) return std::nullopt;
        } else if (a == "--to") {
            if (!moment(o.to)) return std::nullopt;
        } else if (a == "--bulletin-seconds") {
            std::string text;
            if (!value(text)) return std::nullopt;
            const auto n = parseDecimalInteger(text);
            if (!n || *n < 0 || *n > kMaxBulletinSeconds) {
                error = "--bulletin-seconds needs a whole number from 0 to " + std::to_string(kMaxBulletinSeconds) +
                        ", not \"" + text + "\"";
                return std::nullopt;
            }
            o.bulletinSeconds = *n;
        } else {
            error = "unknown option \"" + a + "\"";
            return std::nullopt;
        }
    }
    if (o.ini.empty() || !o.from || !o.to) {
        error = "schedule needs --ini, --from and --to";
        return std::nullopt;
    }
    if (*o.to < *o.from || *o.to - *o.from > kMaxSpanDays) {
        error = "--to must be neither before --from nor more than " + std::to_string(kMaxSpanDays) +
                " days after it";
        return std::nullopt;
    }
    return o;
}

// The program as it runs from --from, on virtual time: its deferred start-up
// loads the configuration, then the scheduler's ticks decide.
int simulate(const BulletinInputs& in, const ScheduleOptions& o, std::ostream& out, std::ostream& err) {
    VirtualLoop loop(*o.from);
    InstantWaveOut sound(loop);
    ListingSerialLine serial;
    Announcer a({loop, sound, serial, in.folder,
                 [&err](const std::string& title, const std::string& reason) {
                     err << kPrefix << inEnglish(title) << " (" << inEnglish(reason) << ")\n";
                 },
                 nullptr});
    if (!a.prepareSound(OutputDevice{})) {
        err << kPrefix << inEnglish(a.statusBoard().statusText()) << '\n';
        return 1;
    }
    TaskScope holds(loop);
    const Millis hold = static_cast<Millis>(o.bulletinSeconds) * 1000;
    a.holdBulletinStart([&holds, hold](std::function<void()> done) { holds.callAfter(hold, std::move(done)); });
    int bulletins = 0;
    const Subscription starts = a.bulletinStarted().connect([&out, &loop, &bulletins](BulletinTrigger) {
        ++bulletins;
        out << formatDateTime(loop.localNow()) << '\n';
    });
    const Subscription failures =
        a.statusBoard().reported.connect([&err](const std::string& text) { err << kPrefix << inEnglish(text) << '\n'; });

    const std::vector<ConfigLine> lines = parseConfigText(in.configuration.value_or(""));
    a.start([&a, &lines] {
        a.applyConfiguration(lines);
        a.mainModels().window.showSelectedPeriod();
    });
    loop.advance(std::llround((*o.to - *o.from) * kMillisPerDay));
    // An empty list is an answer, but it must not look like a mistake of the command.
    if (bulletins == 0)
        err << kPrefix << "no bulletin between " << formatDateTime(*o.from) << " and " << formatDateTime(*o.to) << ": "
            << (periodMinutes(a.mainModels().schedule) == 0 ? "the period is off (PERIOD= in the configuration)"
                                               : "no period falls in the hours of the window in that span")
            << '\n';
    return 0;
}

}  // namespace

int runScheduleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (asksForHelp(args)) {
        printCommandHelp(out, kScheduleHelp);
        return 0;
    }
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) return usageError(err, "schedule", error, kScheduleUsage);
    BulletinOptions files;
    files.ini = options->ini;
    files.folder = options->folder;
    const auto in = loadBulletinInputs(files, *options->from, error);
    if (!in) {
        err << kPrefix << error << '\n';
        return 2;
    }
    return simulate(*in, *options, out, err);
}

}  // namespace skycrier::cli
