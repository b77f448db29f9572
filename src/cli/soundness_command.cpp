// vantry-cli soundness: the whole corpus (or every stride-th puzzle of it)
// through the engine, checked against the known solutions.
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <ostream>
#include <thread>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/console_platform.h"
#include "cli/soundness.h"
#include "model/busy_manager.h"

namespace vantry {

int soundness_command(const std::string& corpus_dir, int stride, std::ostream& out, bool extended) {
  namespace fs = std::filesystem;
  std::error_code error;
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fs::path(corpus_dir) / "solutions", error)) {
    if (entry.path().extension() == ".txt") names.push_back(entry.path().filename().string());
  }
  if (error || names.empty()) {
    out << "error: no solutions under " << corpus_dir << "/solutions\n";
    return 1;
  }
  std::sort(names.begin(), names.end());

  // Files are checked on every core at once, each thread with its own engine;
  // the reports are written in name order, so the output does not depend on
  // the number of threads.
  std::vector<SoundnessReport> reports(names.size());
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    ConsolePlatform platform;
    BusyManager busy(platform);
    Strategy engine(busy);
    engine.set_extended(extended);
    for (std::size_t i = next++; i < names.size(); i = next++) {
      check_corpus_file(engine, (fs::path(corpus_dir) / names[i]).string(),
                        (fs::path(corpus_dir) / "solutions" / names[i]).string(), stride, reports[i]);
    }
  };
  const unsigned threads =
      std::max(1u, std::min(std::thread::hardware_concurrency(), static_cast<unsigned>(names.size())));
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < threads; ++t) pool.emplace_back(work);
  work();
  for (std::thread& thread : pool) thread.join();

  SoundnessReport total;
  for (std::size_t i = 0; i < names.size(); ++i) {
    out << "# " << names[i] << '\n';
    reports[i].write(out);
    total.add(reports[i]);
  }
  out << "# all files\n";
  total.write(out);
  // Beyond the standard strategies every puzzle with one solution must be
  // finished: a stuck one is a fault of the last resort.
  if (extended && total.stuck != 0) return 1;
  return total.faults.empty() ? 0 : 1;
}

}  // namespace vantry
