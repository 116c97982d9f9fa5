#include "platform/hamlib_rigs.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <mutex>

namespace skycrier {
namespace {

std::string text(const char* name) { return name ? name : ""; }

int addModel(const rig_caps* caps, rig_ptr_t models) {
    static_cast<std::vector<RigModel>*>(models)->push_back(
        {static_cast<int>(caps->rig_model), text(caps->mfg_name), text(caps->model_name)});
    return 1;  // on to the next
}

}  // namespace

void loadHamlib() {
    static std::once_flag loaded;
    std::call_once(loaded, [] {
        // Hamlib writes its trace to stderr otherwise; its errors reach the user as returned texts.
        rig_set_debug(RIG_DEBUG_NONE);
        rig_load_all_backends();
    });
}

std::vector<RigModel> listRigModels() {
    loadHamlib();
    std::vector<RigModel> models;
    rig_list_foreach(addModel, &models);
    std::ranges::sort(models, {}, &RigModel::number);
    return models;
}

}  // namespace skycrier
