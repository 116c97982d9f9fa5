// Any bytes as a fetched page: the first line is the URL line, the rest the
// page. Both cuts give a known status, and an APRS line always holds "_".

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/html_cut.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skycrier;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t end = input.find('\n');
    const std::string_view url = input.substr(0, end);
    const std::string_view page = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    const HtmlCut metar = cutMetarFromHtml(page, url);
    if (metar.status != cut_status::kOk &&
        (metar.status < cut_status::kNoLines || metar.status > cut_status::kNoReport))
        std::abort();
    const HtmlCut aprs = cutAprsFromHtml(page);
    if (aprs.status == cut_status::kOk && aprs.line.find('_') == std::string::npos) std::abort();
    if (aprs.status != cut_status::kOk && (aprs.status < cut_status::kNoLines || aprs.status > cut_status::kNoWeather))
        std::abort();
    return 0;
}
