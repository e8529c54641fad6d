#include "storage/config_state_load.h"

#include "storage/save_batch.h"
#include "storage/settings_file.h"
#include "storage/storage_log.h"

namespace mousecfg {

struct ConfigStateLoad::Result {
    quint64 generation = 0;  // the data folder's change stamp before the files were read
    ConfigState state;
};

ConfigStateLoad::ConfigStateLoad(const Paths& paths) : paths_(paths) {
    result_ = std::async(std::launch::async, [paths] {
        auto r = std::make_unique<Result>();
        r->generation = loadChangeStamp(paths).generation;
        loadConfigState(paths, r->state);
        return r;
    });
}

ConfigStateLoad::~ConfigStateLoad() {
    if (result_.valid()) result_.wait();
}

bool ConfigStateLoad::take(ConfigState& out) {
    if (!result_.valid()) return false;
    const std::unique_ptr<Result> r = result_.get();
    if (loadChangeStamp(paths_).generation != r->generation) {
        qCDebug(lcStorage) << "the data folder was saved during the early load: loading again";
        return false;
    }
    out = r->state;
    return true;
}

}  // namespace mousecfg
