#pragma once

#include <QPixmap>
#include <QString>
#include <functional>

#include "app/session/app_services.h"
#include "app/session/scheduler.h"
#include "device/device_link.h"
#include "device/pacer.h"
#include "device/profile_writer.h"
#include "device/status_reporter.h"
#include "sim/simulated_mouse.h"
#include "storage/paths.h"

class QWidget;

namespace mousecfg {

// What the screenshot programs share: a main window's services over the simulated mouse, the
// command line, and saving a window with the modal box that is open over it.
namespace shots {

// The deferred start-up calls are dropped: the shot programs show the window themselves.
class NoScheduler : public Scheduler {
public:
    void singleShot(int, QObject*, std::function<void()>) override {}
};

struct Rig {
    Rig(const Paths& paths, bool mousePresent, double dpi);
    SimulatedMouse mouse;
    SleepPacer pacer;
    DeviceLink link;
    StatusReporter status;
    ProfileWriter writer;
    NoScheduler scheduler;
    AppServices services;
};

// --data-dir, --shots (output folder, created) and --lang (written as the current language).
// The programs change the settings of the data folder they draw, so --data-dir is required:
// without it the usage is printed and the program ends with exit code 64.
struct Options {
    Paths paths;
    QString outDir;
    int language = 0;
};
Options parseOptions();

void settle();
// Saves into dir and prints the file name; false (with a message on stderr) when it fails.
bool save(const QPixmap& pixmap, const QString& dir, const QString& name);
// The window with `overlay` (a modal box or dialog shown above it) drawn where it stands.
QPixmap grabWithOverlay(QWidget& window, QWidget* overlay);
// Runs `open`, which brings up a modal message box, saves the window with the box over it and
// closes the box (accepting it when accept is true). False when no box came up or saving failed.
bool shootModalBox(QWidget& window, const std::function<void()>& open, const QString& dir,
                   const QString& name, bool accept = false);

}  // namespace shots
}  // namespace mousecfg
