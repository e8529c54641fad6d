#include <gtest/gtest.h>

#include <QApplication>
#include <QLoggingCategory>

// LeakSanitizer: Qt's offscreen platform plugin creates its screen and cursor with the
// application object and never frees them. Built into every test executable (the test list run
// by CTest's discovery included) rather than passed through LSAN_OPTIONS.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libqoffscreen.so\n"
           "leak:QScreen::QScreen\n"
           "leak:QPlatformScreen::QPlatformScreen\n"
           "leak:QPlatformCursor::QPlatformCursor\n"
           "leak:QWindowSystemInterface::handleScreenAdded\n"
           "leak:QtSharedPointer::ExternalRefCountData::getAndRef\n"
           "leak:QObject::QObject\n";
}

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
