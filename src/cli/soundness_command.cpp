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

int soundness_command(const std::string& corpus_dir, int stride, std::ostream& out) {
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
  return total.faults.empty() ? 0 : 1;
}

}  // namespace vantry
