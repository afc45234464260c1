#include <gtest/gtest.h>
#include <QApplication>

#include "app/turkish_qt.h"

int main(int argc, char** argv) {
    // Widgets need a display; headless runs (and test discovery) use the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    nakkas::TurkishQt turkish;  // Qt's own texts and formats as the program sets them up
    QApplication app(argc, argv);
    turkish.finish();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
