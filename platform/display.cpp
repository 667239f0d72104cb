#include "platform/display.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace vorendal {

namespace {

std::string g_program;
QtMessageHandler g_previous = nullptr;
std::vector<std::pair<QtMsgType, std::string>> g_held;

void PrintNoDisplay() {
  std::fprintf(stderr,
               "%s: no display available: this program needs a graphical display "
               "(set DISPLAY or WAYLAND_DISPLAY, or run it under xvfb-run)\n",
               g_program.c_str());
}

// Holds Qt's start-up messages back; on its fatal "no platform" message the
// process ends with one clear line and code 1, not an abort.
void StartupHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    PrintNoDisplay();
    std::fflush(stderr);
    std::_Exit(1);
  }
  (void)context;
  g_held.emplace_back(type, text.toStdString());
}

bool Headless(const QByteArray& platform) {
  for (const char* name : {"offscreen", "minimal", "vnc", "linuxfb", "eglfs", "vkkhrdisplay"}) {
    if (platform.startsWith(name)) return true;
  }
  return false;
}

}  // namespace

// Choices made before Qt starts, each left to the user when set already.
void ConfigurePlatform() {
  // Whole-number scale factors keep every map pixel a whole block of device
  // pixels on high-density screens.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  // A run flushes a 40 x 21 read-out to the screen 400 000 times. Through
  // shared memory Qt waits for the X server at every flush (60-100 us under
  // Xvfb); a plain put-image is sent at once (about 25 us), so small flushes
  // are faster without it.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
  // Under Wayland a compositor may hold each frame, which would tie a run to
  // the display's frame rate; X (XWayland) takes our flushes as they come.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY") &&
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
}

bool PrepareDisplay(const char* program) {
  g_program = program;
  ConfigurePlatform();
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!Headless(platform) && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    PrintNoDisplay();
    return false;
  }
  g_previous = qInstallMessageHandler(StartupHandler);
  return true;
}

void DisplayReady() {
  qInstallMessageHandler(g_previous);
  for (const auto& [type, text] : g_held) {
    if (g_previous != nullptr) {
      g_previous(type, QMessageLogContext(), QString::fromStdString(text));
    } else {
      std::fprintf(stderr, "%s\n", text.c_str());
    }
  }
  g_held.clear();
}

}  // namespace vorendal
