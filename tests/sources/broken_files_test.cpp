// Whatever bytes a station file holds, a poll ends: with values, or with
// "Error archivo", and with its timer running again.

#include <random>

#include "sources/source_fixture.h"

namespace skycrier {
namespace {

class BrokenFilesTest : public test::SourceFixture {};

TEST_F(BrokenFilesTest, RandomBytesNeverStopAPoll) {
    std::mt19937 random(2026);
    std::uniform_int_distribution<int> byte(0, 255);
    const auto garbage = [&](std::size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes) c = static_cast<char>(byte(random));
        return bytes;
    };
    for (const std::size_t size : {0u, 1u, 35u, 36u, 56u, 211u, 212u, 300u, 2000u, 20000u}) {
        for (int round = 0; round < 5; ++round) {
            for (HistorySource* w : {static_cast<HistorySource*>(&stations.FormMeteoW23),
                                     static_cast<HistorySource*>(&stations.FormMeteoW28),
                                     static_cast<HistorySource*>(&stations.FormMeteoPro2)}) {
                std::string bytes = garbage(size);
                if (w == &stations.FormMeteoPro2 && size >= 212) {
                    // A plausible record count, so the records are read too.
                    const std::uint32_t count = static_cast<std::uint32_t>((size - 212) / 88);
                    for (int i = 0; i < 4; ++i) bytes[16 + i] = static_cast<char>(count >> (8 * i));
                }
                w->loadDataFile(dir.write("2026-03.wlk", bytes));
                w->TimerMeteoTimer();
                EXPECT_TRUE(w->TimerMeteo.enabled());
                EXPECT_TRUE(w->StaticTextErreur().empty() || w->StaticTextErreur() == "Error archivo");
            }
        }
    }
}

}  // namespace
}  // namespace skycrier
