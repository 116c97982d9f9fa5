#include "app/program_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/temp_dir.h"

namespace skycrier {
namespace {

TEST(ProgramFolderTest, TheChosenFolderElseTheUsersConfigurationWhereverTheProgramRuns) {
    FolderPlaces places{"", "/home/op/skycrier/build", "/home/op/.config"};
    EXPECT_EQ(chooseProgramFolder(places), "/home/op/.config/skycrier");
    places.chosen = "/srv/announcer";
    EXPECT_EQ(chooseProgramFolder(places), "/srv/announcer");
}

// An older version kept its files beside the program: the configuration moves
// to the user's folder once, with copies of the files it names by relative names.
TEST(ProgramFolderTest, AConfigurationBesideTheProgramMovesOnceWithTheFilesItNames) {
    test::TempDir dir;
    const auto beside = dir.path() / "build";
    const auto folder = dir.path() / "config" / "skycrier";
    std::filesystem::create_directories(beside / "clips");
    dir.write("build/skycrier.ini",
              "[SKYCRIER V2.2.2]\r\nW23_DAT=history.dat //roof\r\nFICHIER_ENTETE=clips/call.wav\r\n"
              "METAR_DAT=https://example.org/m.txt //x\r\nFICHIER_FIN=/nowhere/end.wav\r\n");
    dir.write("build/skycrier.log", "a line\n");
    dir.write("build/history.dat", "H");
    dir.write("build/clips/call.wav", "RIFF");
    const FolderPlaces places{"", beside, dir.path() / "config"};

    const std::string line = moveConfigurationBesideProgram(places);
    EXPECT_NE(line.find("moved to " + folder.string()), std::string::npos) << line;
    EXPECT_NE(line.find("copied with it: history.dat, clips/call.wav"), std::string::npos) << line;
    for (const char* name : {"skycrier.ini", "skycrier.log", "history.dat", "clips/call.wav"})
        EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    for (const char* moved : {"skycrier.ini", "skycrier.log"}) EXPECT_FALSE(std::filesystem::exists(beside / moved));
    EXPECT_TRUE(std::filesystem::exists(beside / "history.dat")) << "copied, not moved";

    // Once only, never over a configuration already there, and never for a folder of one's own.
    dir.write("build/skycrier.ini", "PERIOD=5\r\n");
    EXPECT_EQ(moveConfigurationBesideProgram(places), "");
    EXPECT_EQ(moveConfigurationBesideProgram({dir.path() / "own", beside, dir.path() / "config"}), "");
    EXPECT_TRUE(std::filesystem::exists(beside / "skycrier.ini"));
}

TEST(ProgramFolderTest, RelativeNamesAreTakenFromTheFolder) {
    EXPECT_EQ(resolveInFolder("/srv/announcer", "kuckoo.wav"), "/srv/announcer/kuckoo.wav");
    EXPECT_EQ(resolveInFolder("/srv/announcer", "clips/hello.wav"), "/srv/announcer/clips/hello.wav");
    EXPECT_EQ(resolveInFolder("/srv/announcer", "/home/op/hello.wav"), "/home/op/hello.wav");
    EXPECT_EQ(resolveInFolder("/srv/announcer", ""), "");
}

TEST(ProgramFolderTest, TheGreetingIsWrittenWhenMissingAndNeverReplaced) {
    test::TempDir dir;
    const auto folder = dir.path() / "new" / "folder";
    const std::vector<unsigned char> chime = {'R', 'I', 'F', 'F', 1, 2, 3};
    std::string error;
    ASSERT_TRUE(prepareProgramFolder(folder, chime, error)) << error;
    const auto read = [&] {
        std::ifstream in(folder / "kuckoo.wav", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(read(), std::string(chime.begin(), chime.end()));

    std::ofstream(folder / "kuckoo.wav", std::ios::binary) << "the operator's own";
    ASSERT_TRUE(prepareProgramFolder(folder, chime, error));
    EXPECT_EQ(read(), "the operator's own");

    const std::string plainFile = dir.write("plain", "x");
    EXPECT_FALSE(prepareProgramFolder(plainFile, chime, error));
    EXPECT_EQ(error, plainFile + ": cannot be used as the program folder");
}

}  // namespace
}  // namespace skycrier
