// Qt tests run without a display: the offscreen platform unless the caller
// chose another. A test program may fix the screen density or the plugin
// path it needs before Qt starts.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// Under the leak checker: Qt, fontconfig and the platform plugins keep
// process-lifetime caches they never free; our own code is still checked.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6\nleak:libfontconfig\nleak:libglib\nleak:libdbus\nleak:libxcb\n"
           "leak:qt6/plugins\n";
}

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
#ifdef BRENNIX_QT_SCALE_FACTOR
    ::setenv("QT_SCALE_FACTOR", BRENNIX_QT_SCALE_FACTOR, 1);
#endif
#ifdef BRENNIX_QT_PLUGIN_PATH
    ::setenv("QT_PLUGIN_PATH", BRENNIX_QT_PLUGIN_PATH, 1);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("brennix-tests"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
