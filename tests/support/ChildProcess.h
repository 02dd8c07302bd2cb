#pragma once
// Runs a program as a child process through the shell and collects its exit
// status, standard output and standard error.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// RunChild goes through a POSIX shell (cd, env, quoting, redirection), which
// Windows lacks: there the tests that start children skip, and
// scripts/windows-check.sh runs kp.exe beside the Linux kp instead.
#if defined(_WIN32)
#define KP_SKIP_WITHOUT_POSIX_SHELL()                                                                                  \
    GTEST_SKIP() << "child processes are started through a POSIX shell; scripts/windows-check.sh runs kp.exe"
#else
#define KP_SKIP_WITHOUT_POSIX_SHELL() static_cast<void>(0)
#endif

namespace kp::test {

struct ChildResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Quotes one argument for the POSIX shell.
std::string ShellQuote(const std::string& text);

// Runs program with arguments in folder, with the environment changed by
// `environment` ("NAME=value" sets, "-NAME" removes).
ChildResult RunChild(const std::filesystem::path& program, const std::vector<std::string>& arguments,
    const std::filesystem::path& folder, const std::vector<std::string>& environment = {});

} // namespace kp::test
