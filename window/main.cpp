// The program: initialise the application, create the main window, run the
// event loop until the window closes.
#include <QApplication>

#include "platform/display.h"
#include "window/form1.h"

int main(int argc, char** argv) {
  if (!vorendal::PrepareDisplay("vorendal")) return 1;
  QApplication app(argc, argv);
  vorendal::DisplayReady();
  QApplication::setApplicationName("Vorendal");
  QApplication::setDesktopFileName("vorendal");
  vorendal::InstallFontSubstitutes();

  vorendal::TForm1 Form1;
  Form1.Show();
  return QApplication::exec();
}
