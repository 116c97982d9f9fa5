#pragma once
// The configuration file as a save writes it: the header, then every setting
// in its fixed order of writing, each line ended by CR LF. Values are written
// byte for byte as the models hold them.

#include <string>

#include "app/configuration.h"

namespace skycrier {

// The keys of absent targets are left out; the announcer's targets are all present.
std::string configurationText(const ConfigTargets& targets);

}  // namespace skycrier
