// Times whole processes: vorendal-run (seed 60000000, 200 rounds, minimum
// 0.5, lifetime on) against the shuffle floor, alternating, and prints the
// medians, the ratio and the runner's peak resident memory.
// usage: headless-vs-floor VORENDAL_RUN SHUFFLE_FLOOR [repetitions]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
  double ms;
  long max_rss_kib;
};

Sample RunOnce(std::vector<std::string> argv) {
  std::vector<char*> args;
  for (auto& a : argv) args.push_back(a.data());
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
    std::perror(args[0]);
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  posix_spawn_file_actions_destroy(&actions);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed\n", args[0]);
    std::exit(1);
  }
  return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: headless-vs-floor VORENDAL_RUN SHUFFLE_FLOOR [repetitions]\n");
    return 2;
  }
  const int repetitions = argc > 3 ? std::atoi(argv[3]) : 21;
  const std::vector<std::string> run = {argv[1], "--seed",    "60000000", "--rounds",
                                        "200",   "--minimum", "0.5",      "--lifetime"};
  const std::vector<std::string> floor = {argv[2]};
  const std::vector<std::string> paired_floor = {argv[2], "--pairs"};
  std::vector<double> run_ms, floor_ms, paired_ms;
  long rss = 0;
  RunOnce(run);  // warm the page cache
  RunOnce(floor);
  for (int i = 0; i < repetitions; ++i) {
    const Sample r = RunOnce(run);
    run_ms.push_back(r.ms);
    rss = std::max(rss, r.max_rss_kib);
    floor_ms.push_back(RunOnce(floor).ms);
    paired_ms.push_back(RunOnce(paired_floor).ms);
  }
  const double r = Median(run_ms), f = Median(floor_ms), p = Median(paired_ms);
  std::printf("headless run (seed 60000000, 200 rounds, minimum 0.5, lifetime): median %.2f ms\n",
              r);
  std::printf("floor (200 rounds of the shuffle alone):                        median %.2f ms\n",
              f);
  std::printf("floor drawing in pairs, as the run does:                        median %.2f ms\n",
              p);
  std::printf("ratio run / floor: %.2f   run / paired floor: %.2f   (%d repetitions each)\n", r / f,
              r / p, repetitions);
  std::printf("vorendal-run peak resident memory: %ld KiB\n", rss);
  return 0;
}
