// GoogleTest main for widget tests: a QApplication on Qt's offscreen
// platform unless the environment names another.
#include <gtest/gtest.h>

#include <QApplication>

#include "window/form1.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  vorendal::InstallFontSubstitutes();
  return RUN_ALL_TESTS();
}
