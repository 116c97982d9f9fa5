#include "sources/pro2_source.h"

#include <cstdio>
#include <filesystem>
#include <optional>

#include "platform/date_time.h"
#include "sources/derived_values.h"
#include "sources/pro2_reader.h"
#include "sources/reading_presenter.h"

namespace skycrier {
namespace {

// The current month's file beside the named one, when the named one is of
// another month and the current one is there already.
std::optional<std::filesystem::path> currentMonthFile(const std::filesystem::path& file, const ArchiveMonth& month,
                                                      const DateTimeFields& now, const SourceContext& context) {
    if (!month.year || !month.month || (*month.year == now.year && *month.month == now.month)) return std::nullopt;
    char name[32];
    std::snprintf(name, sizeof name, "%04d-%02d.wlk", now.year, now.month);
    const std::filesystem::path current = file.parent_path() / name;
    if (!fileExists(context.resolvePath(current.string()))) return std::nullopt;
    return current;
}

}  // namespace

Pro2Source::Pro2Source(SourceContext& context) : HistorySource(SourceKind::Pro2, context, 9) {}

void Pro2Source::readStation(double correction) {
    std::filesystem::path file(path());
    if (file.extension() != ".wlk") throw PollFailure("not a .wlk file");
    ArchiveMonth month = archiveMonthOfName(file.filename().string());
    const DateTimeFields now = decodeDateTime(context_.loop.localNow());
    if (currentMonthFileBox_.checked) {
        if (const auto current = currentMonthFile(file, month, now, context_)) {
            file = *current;
            setPath(file.string());
            inputSelected_ = true;
            month = {now.year, now.month};
        }
    }
    const Pro2Reading reading = readPro2Archive(context_.resolvePath(file.string()), month);
    presenter().showPro2(reading, correction, *this);
}

void Pro2Source::resetCaptions() { resetCaptionsInUnits("="); }

void Pro2Source::followCurrentMonth(bool follow) {
    currentMonthFileBox_.checked = follow;
    changed.emit();
}

}  // namespace skycrier
