// Any bytes as a skycrier.ini, applied to the engine the way a front end
// applies its configuration file. Data files it names need not exist; a
// "COM=" line opens a port that touches no device.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/announcer.h"
#include "app/config_file.h"
#include "platform/listing_serial_line.h"
#include "platform/date_time.h"
#include "platform/timed_wave_out.h"
#include "platform/virtual_loop.h"
#include "support/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace skycrier;
    // An empty program folder that relative file names are taken from.
    static const test::TempDir folder;
    VirtualLoop loop(encodeDateTime(2026, 3, 10, 12, 0, 0));
    TimedWaveOut sound(loop);
    ListingSerialLine serial;
    Announcer announcer({loop, sound, serial, folder.path(), [](const std::string&, const std::string&) {}});
    announcer.applyConfiguration(parseConfigText(std::string_view(reinterpret_cast<const char*>(data), size)));
    // What the configuration set going (the remembered source's first poll).
    loop.runPending();
    return 0;
}
