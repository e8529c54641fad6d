#include <gtest/gtest.h>

#include <QApplication>
#include <QLoggingCategory>

// LeakSanitizer: Qt's offscreen platform plugin creates its screen and cursor with the
// application object and never frees them. Only allocations made inside the plugin are
// suppressed, which needs full stacks: Qt is built without frame pointers, so the fast unwinder
// stops before reaching the plugin. Built into every test executable (CTest's discovery run
// included); the programs the tests start get the same rule from tests/lsan.supp.
extern "C" const char* __asan_default_options() { return "fast_unwind_on_malloc=0"; }
extern "C" const char* __lsan_default_suppressions() { return "leak:libqoffscreen.so\n"; }

// Every test executable gets a QApplication (offscreen unless told otherwise), so storage tests
// can use QSettings/QColor and widget tests can create real widgets.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Quiet unless QT_LOGGING_RULES asks for the program's debug lines.
    QLoggingCategory::setFilterRules(QStringLiteral("mousecfg.*.debug=false"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
