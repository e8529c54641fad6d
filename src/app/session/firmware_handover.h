#pragma once

#include <QString>

namespace mousecfg {

class DeviceLink;
class Paths;
struct AppServices;

// Handing the mouse over to the maker's firmware updater. The updaters are Windows programs
// shipped in skin/mouse/bin/; an install without them (every Linux one) says so and runs on.
namespace firmware {

// The updater for the language: the English one for language 0, the other for every other.
QString updaterPath(const Paths& paths, int languageIndex);

// The updater talks to the mouse through its cable: the cable's first collection of the first
// listed device must be there.
bool cableConnected(const DeviceLink& link);

enum class Start {
    Started,    // the updater runs; the program ends now
    NoUpdater,  // no updater file: nothing was stopped
    Failed,     // it could not be started; the status thread runs again
};

// Stops the status thread, so the updater finds the mouse free, and starts the updater.
Start startUpdater(AppServices& services, int languageIndex);

}  // namespace firmware
}  // namespace mousecfg
