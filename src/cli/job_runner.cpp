#include "cli/job_runner.h"

#include <algorithm>
#include <atomic>
#include <ostream>
#include <thread>
#include <vector>

namespace vantry {

namespace {

// Runs body(work) on count threads, the calling thread being one of them,
// each with its own work object.
template <typename Work, typename Body>
void on_threads(std::vector<Work>& works, std::size_t count, const Body& body) {
  count = std::clamp<std::size_t>(count, 1, works.size());
  std::vector<std::thread> threads;
  threads.reserve(count - 1);
  for (std::size_t j = 1; j < count; ++j) threads.emplace_back([&, j] { body(works[j]); });
  body(works[0]);
  for (std::thread& t : threads) t.join();
}

void append_line_number(std::string& out, const PuzzleRecord& r) {
  out += "error: line ";
  out += std::to_string(r.line);
  out += ": ";
  out += r.error;
  out += '\n';
}

}  // namespace

int default_jobs() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

int run_puzzles(std::istream& in, std::ostream& out, const PuzzleWorkFactory& factory, const RunOptions& options) {
  const auto jobs = static_cast<std::size_t>(std::max(1, options.jobs));
  const std::size_t chunk = std::max<std::size_t>(1, options.chunk);
  const std::size_t batch_size = chunk * jobs * 8;
  std::vector<PuzzleWork> works;
  for (std::size_t j = 0; j < jobs; ++j) works.push_back(factory());

  PuzzleReader reader(in);
  std::vector<PuzzleRecord> batch;
  batch.reserve(batch_size);
  std::vector<std::string> answers;
  long done = 0;
  for (;;) {
    batch.clear();
    if (!reader.read(batch, batch_size)) break;
    const std::size_t chunks = (batch.size() + chunk - 1) / chunk;
    answers.resize(std::max(answers.size(), chunks));
    std::atomic<std::size_t> next{0};
    on_threads(works, chunks, [&](PuzzleWork& work) {
      for (std::size_t k; (k = next.fetch_add(1)) < chunks;) {
        std::string& text = answers[k];
        text.clear();
        const std::size_t end = std::min(batch.size(), (k + 1) * chunk);
        for (std::size_t i = k * chunk; i < end; ++i) {
          if (batch[i].error.empty()) {
            work(batch[i], text);
          } else {
            append_line_number(text, batch[i]);
          }
        }
      }
    });
    for (std::size_t k = 0; k < chunks; ++k)
      out.write(answers[k].data(), static_cast<std::streamsize>(answers[k].size()));
    done += static_cast<long>(batch.size());
    if (options.progress != nullptr) options.progress->update(done);
  }
  out.flush();
  return reader.bad_lines() > 0 ? 1 : 0;
}

int run_positions(int count, std::ostream& out, std::ostream& err, const PositionWorkFactory& factory,
                  const RunOptions& options) {
  const auto jobs = static_cast<std::size_t>(std::max(1, options.jobs));
  std::vector<PositionWork> works;
  for (std::size_t j = 0; j < jobs; ++j) works.push_back(factory());

  // Batches of a few positions a thread, so the output flows while the run goes on.
  const int batch_size = static_cast<int>(jobs) * 2;
  struct Result {
    bool ok = false;
    std::string text, error;
  };
  std::vector<Result> results(static_cast<std::size_t>(batch_size));
  for (int first = 0; first < count; first += batch_size) {
    const int n = std::min(batch_size, count - first);
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    on_threads(works, static_cast<std::size_t>(n), [&](PositionWork& work) {
      // After a failure the positions already taken still finish, so that
      // everything before the failure is written as one thread would.
      for (int k; !failed && (k = next.fetch_add(1)) < n;) {
        Result& r = results[static_cast<std::size_t>(k)];
        r.text.clear();
        r.error.clear();
        r.ok = work(first + k, r.text, r.error);
        if (!r.ok) failed = true;
      }
    });
    for (int k = 0; k < n; ++k) {
      const Result& r = results[static_cast<std::size_t>(k)];
      if (!r.ok) {
        out.flush();
        err << r.error;
        return 1;
      }
      out << r.text;
    }
    out.flush();
    if (options.progress != nullptr) options.progress->update(first + n);
  }
  return 0;
}

}  // namespace vantry
