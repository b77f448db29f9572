// vantry-cli soundness: the whole corpus (or every stride-th puzzle of it)
// through the engine, checked against the known solutions.
#include <algorithm>
#include <filesystem>
#include <ostream>
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

  ConsolePlatform platform;
  BusyManager busy(platform);
  Strategy engine(busy);
  engine.set_extended(extended);
  SoundnessReport total;
  for (const std::string& name : names) {
    SoundnessReport report;
    check_corpus_file(engine, (fs::path(corpus_dir) / name).string(),
                      (fs::path(corpus_dir) / "solutions" / name).string(), stride, report);
    out << "# " << name << '\n';
    report.write(out);
    total.add(report);
  }
  out << "# all files\n";
  total.write(out);
  // Beyond the standard strategies every puzzle with one solution must be
  // finished: a stuck one is a fault of the last resort.
  if (extended && total.stuck != 0) return 1;
  return total.faults.empty() ? 0 : 1;
}

}  // namespace vantry
