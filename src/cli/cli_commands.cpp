#include "cli/cli_command.h"
#include "cli/cli_writes.h"

namespace mousecfg {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> table = {
        {"list", "the listed products and which receiver/cable collections are present", &addJsonOption,
         &runListCommand, nullptr},
        {"status", "battery, charging, link, active profile, DPI stage and DPI, report rate", &addJsonOption,
         &runStatusCommand, nullptr},
        {"show", "the saved settings of the active profile, one profile (--profile N) or all (--all)",
         &addShowOptions, &runShowCommand, nullptr},
        {"get", "one value of the saved settings, written the way set takes it", &addGetOptions,
         &runGetCommand, &getHelp},
        {"set", "change one saved setting with the pages' rules; apply sends it", &addSetOptions,
         &runSetCommand, &setHelp},
        {"profiles", "the five profile slots and the profile library", &addJsonOption, &runProfilesCommand,
         nullptr},
        {"use", "load a library profile into the active slot (apply sends it)", &addUseOptions,
         &runUseCommand, nullptr},
        {"apply", "write the saved settings to the mouse (only what changed unless --all)", &addApplyOptions,
         &runApplyCommand, nullptr},
        {"frames", "dry run: the frames writing the saved settings would send, one per line",
         &addFramesOptions, &runFramesCommand, nullptr},
        {"export", "write the saved settings to a settings file (*.conf)", &addFileArgument,
         &runExportCommand, nullptr},
        {"import", "load a settings file of this product and write it to the mouse", &addFileArgument,
         &runImportCommand, nullptr},
    };
    return table;
}

}  // namespace mousecfg
