#include "net/url_line.h"

namespace skycrier {
namespace {

constexpr std::string_view kCommentMark = " //";
constexpr std::size_t kMaxCommentChars = 500;

}  // namespace

std::string UrlFileName(std::string_view url) {
    const auto slash = url.rfind('/');
    return std::string(slash == std::string_view::npos ? url : url.substr(slash + 1));
}

std::string cutComment(std::string_view line, std::size_t maxChars) {
    const auto mark = line.find(kCommentMark);
    if (mark == std::string_view::npos) return std::string(line);
    std::string cut(line);
    cut.erase(mark, maxChars);
    return cut;
}

std::string urlComment(std::string_view line) {
    const auto mark = line.find(kCommentMark);
    if (mark == std::string_view::npos) return {};
    return std::string(line.substr(mark + kCommentMark.size(), kMaxCommentChars));
}

bool isWebAddress(std::string_view line) { return line.starts_with("http://") || line.starts_with("https://"); }

}  // namespace skycrier
