#include "cli/cli_command.h"

namespace mousecfg {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> table = {
        {"list", "the listed products and which receiver/cable collections are present", nullptr,
         &runListCommand},
        {"status", "battery, charging, active profile, DPI stage and DPI, report rate", nullptr,
         &runStatusCommand},
    };
    return table;
}

}  // namespace mousecfg
