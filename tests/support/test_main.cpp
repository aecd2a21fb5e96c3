#include <gtest/gtest.h>
#include <QCoreApplication>

// The serial-port adapter needs an application object even in blocking mode.
int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
