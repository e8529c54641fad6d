#pragma once

#include <future>
#include <memory>

#include "storage/config_state.h"
#include "storage/paths.h"

namespace mousecfg {

// A load of the stored settings (loadConfigState) begun on threads of its own, so that reading
// Config.ini and the five profile files overlaps other work, such as building the window.
//
// The load reads without the data folder's lock, like every load. take() hands the state over
// only when no save of the data folder (by any program) happened since the load began, so the
// caller never starts from files that have changed under it; otherwise it loads again itself.
class ConfigStateLoad {
public:
    explicit ConfigStateLoad(const Paths& paths);
    // Waits for the threads when the state was not taken.
    ~ConfigStateLoad();
    ConfigStateLoad(const ConfigStateLoad&) = delete;
    ConfigStateLoad& operator=(const ConfigStateLoad&) = delete;

    // Waits for the load to end. True, with the state in `out`, the first time when the files
    // are still the ones read; false (and `out` untouched) after a save since the load began or
    // when the state was taken before.
    bool take(ConfigState& out);

private:
    struct Result;
    Paths paths_;
    std::future<std::unique_ptr<Result>> result_;
};

}  // namespace mousecfg
