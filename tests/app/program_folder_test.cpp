#include "app/program_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/temp_dir.h"

namespace skycrier {
namespace {

TEST(ProgramFolderTest, TheChosenFolderElseAWritableProgramFolderElseTheUsersConfiguration) {
    FolderPlaces places{"", "/opt/skycrier/bin", true, "/home/op/.config"};
    EXPECT_EQ(chooseProgramFolder(places), "/opt/skycrier/bin");
    places.executableFolderWritable = false;
    EXPECT_EQ(chooseProgramFolder(places), "/home/op/.config/skycrier");
    places.chosen = "/srv/announcer";
    EXPECT_EQ(chooseProgramFolder(places), "/srv/announcer");
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
