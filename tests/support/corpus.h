// Reads the shared puzzle corpora (one puzzle a line, 81 characters, digits
// for givens and '.' or '0' for empty cells) and the case files of tests/data.
#pragma once

#include <string>
#include <vector>

namespace vantry::testing {

// The corpus folder beside the checkout.
std::string corpus_path(const std::string& name);
// The lines of a corpus file; an unreadable file fails the calling test.
std::vector<std::string> read_lines(const std::string& path);
// The names of every puzzle file (*.txt) of the corpus folder, sorted.
std::vector<std::string> corpus_files();

// The cases of a file under tests/data, one a line: each line that is not
// blank or a '#' comment, cut at '|' into fields without their surrounding
// spaces. An unreadable file fails the calling test.
std::vector<std::vector<std::string>> read_case_fields(const std::string& name);

}  // namespace vantry::testing
