// Start-up of the window program: launches startup-probe (the program's
// main, which reports at its first painted map) N times and prints the
// median time from launch to that paint and the peak resident memory then.
// Needs a display (e.g. xvfb-run -a). usage: startup-bench STARTUP_PROBE [launches]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup-bench STARTUP_PROBE [launches]\n");
    return 2;
  }
  const int launches = argc > 2 ? std::atoi(argv[2]) : 15;
  std::vector<double> ms;
  std::vector<long> rss;
  for (int i = 0; i < launches; ++i) {
    int out[2];
    if (pipe(out) != 0) return 1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const std::string launch =
        std::to_string(static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec);
    setenv("VORENDAL_LAUNCH_NS", launch.c_str(), 1);
    pid_t pid = 0;
    char* args[] = {argv[1], nullptr};
    if (posix_spawn(&pid, argv[1], &actions, nullptr, args, environ) != 0) return 1;
    close(out[1]);
    char buffer[256] = {};
    const ssize_t got = read(out[0], buffer, sizeof buffer - 1);
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    double m = 0;
    long r = 0;
    if (got <= 0 || std::sscanf(buffer, "first-paint-ms %lf peak-rss-kib %ld", &m, &r) != 2) {
      std::fprintf(stderr, "startup-bench: the probe reported nothing\n");
      return 1;
    }
    ms.push_back(m);
    rss.push_back(r);
  }
  std::sort(ms.begin(), ms.end());
  std::sort(rss.begin(), rss.end());
  std::printf(
      "start-up, launch to first painted map: median %.1f ms (min %.1f, max %.1f, %d launches)\n",
      ms[ms.size() / 2], ms.front(), ms.back(), launches);
  std::printf("window program peak resident memory at its first painted map: median %ld KiB\n",
              rss[rss.size() / 2]);
  return 0;
}
