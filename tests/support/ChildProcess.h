#pragma once
// Runs a program as a child process through the shell and collects its exit
// status, standard output and standard error.

#include <filesystem>
#include <string>
#include <vector>

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
