#pragma once

class QWidget;

namespace mousecfg {

// For the start-up timing script: when MOUSECFG_STARTUP_PROBE is set, the first paint of
// `window` prints "shown_ns=<wall clock, ns> rss_kb=<resident memory>" on stdout and ends the
// program; with MOUSECFG_STARTUP_PROBE=idle the program goes on running (the script measures its
// memory and wake-ups and ends it). Without the variable it does nothing.
void installStartupProbe(QWidget* window);

}  // namespace mousecfg
