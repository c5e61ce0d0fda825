// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Process running for the end-to-end tests: the child's three streams are
// files, so that nothing can block on a full pipe.
#include "cli_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifndef TAVILO_CLI_PATH
#error "TAVILO_CLI_PATH must name the tavilo-cli executable"
#endif

extern char** environ;

namespace tavilo::testing {

namespace {

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TempFile::TempFile(std::string_view contents) {
    char name[] = "/tmp/tavilo_cli_test_XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) throw std::runtime_error("mkstemp failed");
    close(fd);
    path_ = name;
    std::ofstream out(path_, std::ios::binary);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
}

TempFile::~TempFile() {
    std::remove(path_.c_str());
}

ProcessResult RunTaviloCli(const std::vector<std::string>& args, std::string_view input,
                           const char* stdoutPath) {
    const TempFile in(input);
    const TempFile out("");
    const TempFile err("");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.path().c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, stdoutPath ? stdoutPath : out.path().c_str(),
                                     O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err.path().c_str(), O_WRONLY | O_TRUNC, 0);

    // A cross build runs the program through its emulator, as CMake does.
    std::vector<std::string> argv;
    std::istringstream emulator(TAVILO_CLI_EMULATOR);
    for (std::string word; emulator >> word;) argv.push_back(word);
    argv.emplace_back(TAVILO_CLI_PATH);
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> argvPointers;
    for (std::string& arg : argv) argvPointers.push_back(arg.data());
    argvPointers.push_back(nullptr);

    pid_t pid = 0;
    const int spawned =
        posix_spawnp(&pid, argv.front().c_str(), &actions, nullptr, argvPointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " TAVILO_CLI_PATH);

    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    ProcessResult result;
    result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    result.out = ReadWhole(out.path());
    result.err = ReadWhole(err.path());
    return result;
}

}  // namespace tavilo::testing
