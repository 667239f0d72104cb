// Reads the golden cases: results of an independent implementation of the
// rules, one case a line, kept in tests/data/golden_cases.txt.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vorendal::testing {

inline std::vector<std::string> GoldenLines(const std::string& prefix) {
  std::ifstream in(VORENDAL_GOLDEN_FILE);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(prefix, 0) == 0) lines.push_back(line);
  }
  return lines;
}

// The value of "key=value" in a line, up to the next space or colon.
inline std::string Field(const std::string& line, const std::string& key) {
  const auto at = line.find(key + "=");
  if (at == std::string::npos) return {};
  const auto start = at + key.size() + 1;
  const auto end = line.find_first_of(" :", start);
  return line.substr(start, end - start);
}

}  // namespace vorendal::testing
