// skycrier-cli devices: the outputs by the names --device and "OSOUNDNAME="
// take, with what the system calls them, then the serial ports and the other keyings' devices.

#include "cli/devices_command.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "cli/usage.h"
#include "support/command_run.h"
#include "support/temp_dir.h"

namespace skycrier::cli {
namespace {

TEST(DevicesCommand, ListsTheOutputsByNameWithTheirDescriptionThenThePorts) {
    test::TempDir dir;
    // Only what this file defines: a described output, and one without a description.
    const std::string config = dir.write("asound.conf",
                                         "pcm.air {\n type null\n hint { show on\n description \"Radio output\" }\n}\n"
                                         "pcm.bare {\n type null\n hint.show on\n}\n");
    ::setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
    const auto listed = test::runCommand(runDevicesCommand, {});
    const auto wrong = test::runCommand(runDevicesCommand, {"--all"});
    ::unsetenv("ALSA_CONFIG_PATH");

    EXPECT_EQ(listed.code, 0) << listed.err;
    EXPECT_TRUE(listed.out.starts_with("Sound outputs:\nair\tRadio output\n")) << listed.out;
    EXPECT_NE(listed.out.find("\nbare\t\n"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("\n\nSerial ports:\n"), std::string::npos) << listed.out;
    // What else keys a transmitter, with the keys each goes into.
    for (const char* heading : {"\n\nCM108 sound cards (PTT=CM108, CM108_DEVICE=):\n",
                                "\n\nGPIO chips (PTT=GPIO, GPIO_CHIP=):\n",
                                "\n\nHamlib rig models (PTT=HAMLIB, HAMLIB_MODEL=):\n1\tHamlib\tDummy\n2\tHamlib\tNET rigctl\n"})
        EXPECT_NE(listed.out.find(heading), std::string::npos) << heading;
    EXPECT_EQ(wrong.code, 2);
    EXPECT_NE(wrong.err.find("unknown option \"--all\""), std::string::npos) << wrong.err;
}

}  // namespace
}  // namespace skycrier::cli
