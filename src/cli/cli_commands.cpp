#include "cli/cli_command.h"
#include "cli/cli_writes.h"

namespace mousecfg {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> table = {
        {"list", "the listed products and which receiver/cable collections are present", nullptr,
         &runListCommand},
        {"status", "battery, charging, active profile, DPI stage and DPI, report rate", nullptr,
         &runStatusCommand},
        {"apply", "write the saved settings to the mouse (only what changed unless --all)", &addApplyOptions,
         &runApplyCommand},
        {"frames", "dry run: the frames writing the saved settings would send, one per line",
         &addFramesOptions, &runFramesCommand},
        {"export", "write the saved settings to a settings file (*.conf)", &addFileArgument,
         &runExportCommand},
        {"import", "load a settings file of this product and write it to the mouse", &addFileArgument,
         &runImportCommand},
    };
    return table;
}

}  // namespace mousecfg
