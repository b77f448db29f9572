// Solution-counting speed of the fast counter over every puzzle file of the
// shared corpus: puzzles per second (median of five runs), the slowest single
// puzzle, and tdoku's rate on this kind of machine where it was measured.
// The 0/1/2 tallies make a wrong count visible next to the speed. The rate is
// also given in processor time, which other programs running on the machine
// disturb far less than the wall clock.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "model/count_input.h"
#include "model/fast_counter.h"

namespace {

using Clock = std::chrono::steady_clock;
using vantry::CountInput;

constexpr int kRuns = 5;

// tdoku counting up to two solutions on a 2-core machine of this project's kind.
struct Reference {
  std::string_view file_prefix;
  double puzzles_per_second;
};
constexpr Reference kTdoku[] = {
    {"a_qqwing_any_2000", 317000},   {"b_17clue", 268000},
    {"c_magictour", 98000},          {"d_forum_hardest_1106", 11000},
    {"d_forum_hardest_1905", 17700}, {"e_multi_removed_clues", 176000},
    {"e_nosol_wrong_clue", 97000},
};

double tdoku_rate(const std::string& file) {
  for (const Reference& r : kTdoku) {
    if (file.starts_with(r.file_prefix)) return r.puzzles_per_second;
  }
  return 0;
}

// Lines of 81 characters, '1'-'9' a given and '.' or '0' an empty cell with
// every digit possible. Other lines are skipped.
std::vector<CountInput> read_puzzles(const std::filesystem::path& path) {
  std::vector<CountInput> puzzles;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() != 81) continue;
    CountInput p{};
    bool ok = true;
    for (int i = 0; i < 81 && ok; ++i) {
      const char ch = line[i];
      if (ch >= '1' && ch <= '9') {
        p.answer[i] = static_cast<std::uint8_t>(ch - '0');
      } else if (ch == '.' || ch == '0') {
        p.candidates[i] = 0x1FF;
      } else {
        ok = false;
      }
    }
    if (ok) puzzles.push_back(p);
  }
  return puzzles;
}

struct Result {
  double rate = 0;             // puzzles per second, median of the runs
  double cpu_rate = 0;         // the same in processor time
  double slowest_us = 0;       // the slowest puzzle, its fastest run
  std::array<int, 3> tally{};  // how many puzzles counted 0, 1, 2
};

Result measure(const std::vector<CountInput>& puzzles) {
  Result result;
  char solution[81];
  std::vector<double> rates, cpu_rates;
  std::vector<double> fastest(puzzles.size(), 1e300);
  for (int run = 0; run < kRuns; ++run) {
    // Whole-file rate, nothing but the counts inside the clock.
    const auto start = Clock::now();
    const std::clock_t cpu_start = std::clock();
    for (const CountInput& p : puzzles) vantry::fast_count(p, solution, nullptr);
    const double cpu_seconds = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    const auto n = static_cast<double>(puzzles.size());
    rates.push_back(n / std::max(elapsed.count(), 1e-9));
    cpu_rates.push_back(n / std::max(cpu_seconds, 1e-6));

    // Each puzzle timed on its own for the slowest one; keep its best run so
    // a stray interrupt does not decide the figure.
    std::array<int, 3> tally{};
    for (std::size_t k = 0; k < puzzles.size(); ++k) {
      const auto t0 = Clock::now();
      const int count = vantry::fast_count(puzzles[k], solution, nullptr);
      const std::chrono::duration<double, std::micro> us = Clock::now() - t0;
      fastest[k] = std::min(fastest[k], us.count());
      if (count >= 0 && count <= 2) ++tally[static_cast<std::size_t>(count)];
    }
    result.tally = tally;
  }
  std::sort(rates.begin(), rates.end());
  std::sort(cpu_rates.begin(), cpu_rates.end());
  result.rate = rates[kRuns / 2];
  result.cpu_rate = cpu_rates[kRuns / 2];
  for (double us : fastest) result.slowest_us = std::max(result.slowest_us, us);
  return result;
}

}  // namespace

// An optional argument keeps only the files whose name contains it.
int main(int argc, char** argv) {
  const std::string only = argc > 1 ? argv[1] : "";
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(VANTRY_CORPUS_DIR)) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt" &&
        entry.path().filename().string().find(only) != std::string::npos)
      files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::fprintf(stderr, "no puzzle files in %s\n", VANTRY_CORPUS_DIR);
    return 1;
  }

  std::printf("fast_count, up to 2 solutions, median of %d runs; ratio = rate / tdoku's on an idle machine\n\n", kRuns);
  std::printf("%-48s %7s %11s %11s %11s %10s %7s %9s %14s\n", "file", "puzzles", "puzzles/s", "cpu puz/s", "slowest us",
              "tdoku/s", "ratio", "cpu ratio", "counts 0/1/2");
  for (const auto& path : files) {
    const std::string name = path.filename().string();
    const auto puzzles = read_puzzles(path);
    const Result r = measure(puzzles);
    const double tdoku = tdoku_rate(name);
    char tdoku_text[32] = "-", ratio_text[32] = "-", cpu_ratio_text[32] = "-", counts[48];
    if (tdoku > 0) {
      std::snprintf(tdoku_text, sizeof tdoku_text, "%.0f", tdoku);
      std::snprintf(ratio_text, sizeof ratio_text, "%.2f", r.rate / tdoku);
      std::snprintf(cpu_ratio_text, sizeof cpu_ratio_text, "%.2f", r.cpu_rate / tdoku);
    }
    std::snprintf(counts, sizeof counts, "%d/%d/%d", r.tally[0], r.tally[1], r.tally[2]);
    std::printf("%-48s %7zu %11.0f %11.0f %11.1f %10s %7s %9s %14s\n", name.c_str(), puzzles.size(), r.rate, r.cpu_rate,
                r.slowest_us, tdoku_text, ratio_text, cpu_ratio_text, counts);
  }
  return 0;
}
