// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Runs the real tavilo-cli executable, as a shell would, and collects what it
// wrote and its exit status.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavilo::testing {

struct ProcessResult {
    int status = -1;  // the exit status; -1 when the process did not exit
    std::string out;
    std::string err;
};

// Runs tavilo-cli with the arguments (not including its name), standard input
// reading `input`. stdoutPath sends standard output to that file instead of
// collecting it (say /dev/full).
ProcessResult RunTaviloCli(const std::vector<std::string>& args, std::string_view input = {},
                           const char* stdoutPath = nullptr);

// A file that is removed when the object goes.
class TempFile {
  public:
    explicit TempFile(std::string_view contents);
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace tavilo::testing
