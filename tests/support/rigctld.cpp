#include "support/rigctld.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "support/wait_until.h"

namespace skycrier::test {
namespace {

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

// A port the kernel hands out now; free until someone else takes it.
int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    socklen_t size = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

bool accepts(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = loopback(port);
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

Rigctld::Rigctld(const std::filesystem::path& folder) : folder_(folder), port_(freePort()) { start(); }

Rigctld::~Rigctld() { stop(); }

bool Rigctld::start() {
    daemon_ = std::make_unique<ChildProcess>(
        std::vector<std::string>{"rigctld", "-m", "1", "-P", "RIG", "-T", "127.0.0.1", "-t", std::to_string(port_)},
        environmentWith({}), (folder_ / "rigctld.out").string(), (folder_ / "rigctld.err").string());
    return daemon_->running() && waitUntil([this] { return accepts(port_); });
}

void Rigctld::stop() {
    if (daemon_) daemon_->stop();
    daemon_.reset();
}

std::string Rigctld::ptt() const {
    const auto out = folder_ / "rigctl.out";
    ChildProcess rigctl({"rigctl", "-m", "2", "-r", address(), "t"}, environmentWith({}), out.string(),
                        (folder_ / "rigctl.err").string());
    rigctl.wait(std::chrono::seconds(10));
    std::string said = fileText(out);
    while (!said.empty() && (said.back() == '\n' || said.back() == '\r')) said.pop_back();
    return said.empty() ? fileText(folder_ / "rigctl.err") : said;
}

}  // namespace skycrier::test
