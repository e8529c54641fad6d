#include <gtest/gtest.h>

#include <QApplication>
#include <QLoggingCategory>

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
