// Thirty days of a station left alone, in virtual time: the service's own
// wiring (Program on the virtual loop) with a bulletin every 5 minutes, the
// METAR polled every minute and failing for the first ten minutes of every
// hour, and every hour a peer program that asks for a bulletin and dies
// without reading the answer. Prints the heap in use and the open descriptors
// after the first day and after the last; both should stay flat, but for the
// log, which grows to its limit of lines.
//
//   ./build/bench/skycrier_month_bench [days]

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/program.h"
#include "platform/date_time.h"
#include "platform/listing_serial_line.h"
#include "platform/mailbox.h"
#include "platform/task_scope.h"
#include "platform/timed_wave_out.h"
#include "platform/virtual_loop.h"
#include "support/temp_dir.h"

namespace skycrier {
namespace {

constexpr const char* kReportUrl = "https://metar.invalid/EDDF.TXT";
constexpr Millis kHourMs = 3'600'000;

// The web: the airport's report, except in the first ten minutes of each hour.
class HourlyOutageWeb : public HttpFetcher {
public:
    explicit HourlyOutageWeb(VirtualLoop& loop) : loop_(loop), tasks_(loop) {}
    FetchId fetchToFile(const std::string&, const std::string& path,
                        std::function<void(const std::string&)> done) override {
        const DateTimeFields now = decodeDateTime(loop_.localNow());
        if (now.minute < 10) {
            tasks_.post([done] { done("Could not connect to server"); });
        } else {
            std::ofstream(path, std::ios::binary) << "2026/12/07 10:50\nEDDF 071050Z 24012KT 9999 FEW030 08/03 Q1012\n";
            tasks_.post([done] { done(""); });
        }
        return ++lastId_;
    }
    // The bench never changes its source or asks again during a fetch, so nothing is cancelled.
    void cancel(FetchId) override {}

private:
    VirtualLoop& loop_;
    TaskScope tasks_;
    FetchId lastId_ = 0;
};

// The shared mailbox as one peer sees it: its messages reach the program; answers go nowhere.
class PeerLine : public Mailbox {
public:
    void open(Handlers handlers) override {
        handlers_ = std::move(handlers);
        if (handlers_.opened) handlers_.opened("");
    }
    bool send(const std::string&, std::string&) override { return true; }
    void close() override { handlers_ = {}; }
    void write(const std::string& bytes) {
        if (handlers_.message) handlers_.message(bytes);
    }

private:
    Handlers handlers_;
};

std::size_t heapInUse() { return mallinfo2().uordblks; }

std::size_t openDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

int run(int days) {
    test::TempDir folder;
    folder.write("skycrier.ini",
                 "[SKYCRIER V2.2.2]\r\nPERIOD=1\r\nMETEO=METAR\r\nMETAR_TEMPEXT=Y\r\nMETAR_PRESATM=Y\r\n"
                 "METAR_VITVENT=Y\r\nMETAR_DIRVENT=Y\r\nMETAR_METPERI=1\r\nMETAR_DAT=" +
                     std::string(kReportUrl) + "\r\n");
    VirtualLoop loop(encodeDateTime(2026, 12, 1, 0, 0, 30));
    TimedWaveOut sound(loop);
    ListingSerialLine serial;
    HourlyOutageWeb web(loop);
    PeerLine peer;
    AnnouncerParts parts{loop, sound, serial, folder.path(), {}};
    parts.fetcher = &web;
    parts.mailbox = &peer;
    Program program({parts, {}});
    int bulletins = 0;
    const Subscription counted =
        program.announcer().bulletinStarted().connect([&bulletins](BulletinTrigger) { ++bulletins; });
    program.start();

    std::size_t heapAfterDayOne = 0;
    std::size_t descriptorsAfterDayOne = 0;
    std::size_t logLinesAfterDayOne = 0;
    for (int hour = 0; hour < days * 24; ++hour) {
        // A peer asks between two bulletins and dies: nobody reads the answer.
        constexpr Millis kPeerAt = 32 * 60'000 + 30'000;
        loop.advance(kPeerAt);
        peer.write("BRELL_PLAY");
        loop.advance(kHourMs - kPeerAt);
        if (hour == 23) {
            heapAfterDayOne = heapInUse();
            descriptorsAfterDayOne = openDescriptors();
            logLinesAfterDayOne = program.announcer().logLines().size();
        }
    }
    const std::size_t heapAtEnd = heapInUse();
    const std::size_t descriptorsAtEnd = openDescriptors();
    const std::size_t logLinesAtEnd = program.announcer().logLines().size();
    program.close();
    std::printf("%d days, %d bulletins\n", days, bulletins);
    std::printf("heap in use:      after day 1 %zu KiB, after day %d %zu KiB\n", heapAfterDayOne / 1024, days,
                heapAtEnd / 1024);
    std::printf("open descriptors: after day 1 %zu, after day %d %zu\n", descriptorsAfterDayOne, days,
                descriptorsAtEnd);
    // The log is the one thing meant to grow, up to its limit: its lines explain part of the heap.
    std::printf("log lines:        after day 1 %zu, after day %d %zu (at most %zu)\n", logLinesAfterDayOne, days,
                logLinesAtEnd, kMaxLogLines);
    return 0;
}

}  // namespace
}  // namespace skycrier

int main(int argc, char** argv) {
    const int days = argc > 1 ? std::atoi(argv[1]) : 30;
    if (days < 1) {
        std::fprintf(stderr, "usage: %s [days, at least 1]\n", argv[0]);
        return 2;
    }
    return skycrier::run(days);
}
