// Test entry point: a real application object on the offscreen platform, so windows can
// be created, shown and driven without a display.
#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvana"));
    // The game finds data/ relative to its working directory, as the build lays it out.
    QDir::setCurrent(QStringLiteral(TARVANA_BUILD_DIR));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
