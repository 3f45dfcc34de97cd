#ifndef _WIN32

#include "catalogue/catalogue_support.hpp"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

namespace drafnova::testing {
namespace {

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TCliResult RunCli(const TempFolder& folder, const std::vector<std::string>& arguments,
                  long fileSizeLimit) {
    std::vector<std::string> argvText = {DRAFNOVA_CLI_PATH};
    argvText.insert(argvText.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : argvText) argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> envText = {"PATH=/usr/bin:/bin", "LANG=C.UTF-8"};
    std::vector<char*> envp;
    for (std::string& entry : envText) envp.push_back(entry.data());
    envp.push_back(nullptr);

    // The messages go beside the folder, so that they are no part of it.
    const std::string where = NativePath(folder.Path()).string();
    const std::string base = where.substr(0, where.size() - 1);
    const std::string out = base + ".stdout";
    const std::string err = base + ".stderr";

    const pid_t child = ::fork();
    if (child == 0) {
        // Only async-signal-safe calls from here to exec.
        const int in = ::open("/dev/null", O_RDONLY);
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || o < 0 || e < 0 || ::dup2(in, 0) < 0 || ::dup2(o, 1) < 0 || ::dup2(e, 2) < 0 ||
            ::chdir(where.c_str()) != 0) {
            ::_exit(126);
        }
        if (fileSizeLimit > 0) {
            ::signal(SIGXFSZ, SIG_IGN);  // ignored signals stay ignored across exec
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = static_cast<rlim_t>(fileSizeLimit);
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    TCliResult result;
    if (child < 0) return result;
    int status = 0;
    ::waitpid(child, &status, 0);
    result.Exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.Out = Slurp(out);
    result.Err = Slurp(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

}  // namespace drafnova::testing

#endif  // _WIN32
