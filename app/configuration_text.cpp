#include "app/configuration_text.h"

#include "app/settings_table.h"

namespace skycrier {

std::string configurationText(const ConfigTargets& t) {
    SettingLines out;
    out.add(configHeader(), "");
    for (const Setting& setting : settingsTable())
        if (ownerPresent(setting.writer(), t)) setting.write(t, out);
    return out.take();
}

}  // namespace skycrier
