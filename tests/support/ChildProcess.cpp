#include "support/ChildProcess.h"

#include "support/ScratchFolder.h"

#include <cstdlib>
#if !defined(_WIN32)
#include <sys/wait.h>
#endif

namespace kp::test {

std::string ShellQuote(const std::string& text)
{
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

ChildResult RunChild(const std::filesystem::path& program, const std::vector<std::string>& arguments,
    const std::filesystem::path& folder, const std::vector<std::string>& environment)
{
    ScratchFolder capture;
    const auto outPath = capture / "stdout";
    const auto errPath = capture / "stderr";
    std::string command = "cd " + ShellQuote(folder.string()) + " && env";
    for (const std::string& e : environment)
        command += e.starts_with("-") ? " -u " + ShellQuote(e.substr(1)) : " " + ShellQuote(e);
    command += " " + ShellQuote(program.string());
    for (const std::string& a : arguments)
        command += " " + ShellQuote(a);
    command += " >" + ShellQuote(outPath.string()) + " 2>" + ShellQuote(errPath.string()) + " </dev/null";

    ChildResult result;
    const int status = std::system(command.c_str());
#if defined(_WIN32)
    result.exitCode = status;
#else
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    result.out = ReadWholeFile(outPath);
    result.err = ReadWholeFile(errPath);
    return result;
}

} // namespace kp::test
