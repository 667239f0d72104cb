#include "platform/display.h"

#include <QByteArray>
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

bool PrepareDisplay(const char* program) {
  g_program = program;
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
