#include <gtest/gtest.h>

#include <QCoreApplication>

// The serial line needs a QCoreApplication for its descriptor notifiers.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
