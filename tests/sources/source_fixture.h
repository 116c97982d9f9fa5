#pragma once
// The program's sources on virtual time, a scratch folder for station files,
// and counters for what the sources ask of the program around them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/date_time.h"
#include "platform/virtual_loop.h"
#include "app/source_models.h"
#include "support/station_files.h"
#include "support/temp_dir.h"

namespace skycrier::test {

class SourceFixture : public ::testing::Test {
protected:
    SourceFixture() {
        stations.context.beep = [this] { ++beeps; };
        stations.context.escapeRequest = [this] { ++escapes; };
        stations.sourceChoice.startMinimised = [this] { return reduced; };
        // Output files the sources write land in the scratch folder, never in
        // the folder the tests run from.
        stations.context.resolvePath = [this](const std::string& name) {
            return std::filesystem::path(name).is_absolute() ? name : (dir.path() / name).string();
        };
    }

    void imperial() {
        for (const Quantity q : {Quantity::Temperature, Quantity::Pressure, Quantity::Wind, Quantity::Rain})
            stations.unitsChoice.click(q, false);
    }

    TempDir dir;
    VirtualLoop loop{encodeDateTime(2026, 3, 10, 12, 0, 0)};
    SpeechUnits units;
    SourceModels stations{loop, units};
    int beeps = 0;
    int escapes = 0;
    bool reduced = false;
};

}  // namespace skycrier::test
