#include "Application.h"
#include "PinnedLibraries.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    ConfigureApplication();
    const int result = RUN_ALL_TESTS();
    PinLoadedLibraries();
    return result;
}
