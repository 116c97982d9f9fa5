#pragma once
// The rig models Hamlib knows, for the user to pick one, and Hamlib made
// ready once for the whole program.

#include <string>
#include <vector>

namespace skycrier {

struct RigModel {
    int number;
    std::string maker;
    std::string model;
};

// Every model of every backend, by number.
std::vector<RigModel> listRigModels();

// Silences Hamlib's trace and loads every backend, once per program; from any
// thread. Hamlib registers a backend in a table of its own, without a lock,
// the first time one of its models is used: loaded all at once beforehand,
// the table is only read after.
void loadHamlib();

}  // namespace skycrier
