#ifdef DRAFNOVA_HAVE_CUPS

#include "UnitPrint/test_cupsd.hpp"

#include <arpa/inet.h>
#include <fcntl.h>
#include <grp.h>
#include <netinet/in.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace drafnova::testing_cups {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto kStartTimeout = std::chrono::seconds(20);
constexpr auto kStopTimeout = std::chrono::seconds(10);
constexpr auto kPoll = std::chrono::milliseconds(10);

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out.flush());
}

// A port on the loopback address that nothing listens on just now.
int FreeLoopbackPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

bool Listening(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return ok;
}

// The argument and environment arrays of execve, kept alive by their strings.
class ExecArgs {
public:
    explicit ExecArgs(std::vector<std::string> strings) : strings_(std::move(strings)) {
        for (std::string& s : strings_) pointers_.push_back(s.data());
        pointers_.push_back(nullptr);
    }
    char** get() { return pointers_.data(); }

private:
    std::vector<std::string> strings_;
    std::vector<char*> pointers_;
};

// Starts program with its output to outputPath. With dieWithParent the child
// is killed when the test program ends, however it ends.
pid_t Spawn(const std::string& program, ExecArgs& argv, char** envp, const fs::path& outputPath,
            bool dieWithParent) {
    const std::string output = outputPath.string();
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid != 0) return pid;
    // The child: only calls that are safe after fork.
    if (dieWithParent) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(126);
    }
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0) _exit(126);
    dup2(in, 0);
    dup2(out, 1);
    dup2(out, 2);
    execve(program.c_str(), argv.get(), envp);
    _exit(127);
}

std::string DescribeStatus(int status) {
    if (WIFEXITED(status)) return "exit code " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return "signal " + std::to_string(WTERMSIG(status));
    return "status " + std::to_string(status);
}

std::string GroupName() {
    if (const group* g = getgrgid(getgid())) return g->gr_name;
    return "root";
}

}  // namespace

std::string FindProgram(const std::string& name) {
    std::vector<std::string> folders;
    if (const char* path = getenv("PATH")) {
        std::istringstream list(path);
        for (std::string folder; std::getline(list, folder, ':');)
            if (!folder.empty()) folders.push_back(folder);
    }
    for (const char* folder : {"/usr/sbin", "/sbin", "/usr/bin", "/bin"}) folders.push_back(folder);
    for (const std::string& folder : folders) {
        const fs::path candidate = fs::path(folder) / name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
    }
    return {};
}

TestCupsd::~TestCupsd() { Stop(); }

std::string TestCupsd::Address() const { return "127.0.0.1:" + std::to_string(port_); }

std::string TestCupsd::Start(const fs::path& parent) {
    cupsd_ = FindProgram("cupsd");
    if (cupsd_.empty()) return "cupsd is not installed (Debian package cups-daemon)";
    lpadmin_ = FindProgram("lpadmin");
    if (lpadmin_.empty()) return "lpadmin is not installed (Debian package cups-client)";

    std::error_code error;
    fs::create_directories(parent, error);
    std::string pattern = (parent / "cupsd-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return "cannot create a folder under " + parent.string();
    folder_ = fs::absolute(pattern);
    for (const char* sub :
         {"conf/ppd", "spool", "cache", "state", "tmp", "log", "client", "home"}) {
        fs::create_directories(folder_ / sub, error);
        if (error) return "cannot create " + (folder_ / sub).string() + ": " + error.message();
    }

    // A port taken between the test for it and cupsd's own bind makes cupsd
    // give up; try again on another.
    std::string why;
    for (int attempt = 0; attempt < 3; ++attempt) {
        port_ = FreeLoopbackPort();
        if (port_ == 0) return "no free port on 127.0.0.1";
        why = WriteConfiguration();
        if (!why.empty()) return why;
        why = Launch();
        if (why.empty()) return {};
    }
    return why;
}

std::string TestCupsd::WriteConfiguration() {
    const std::string f = folder_.string();
    std::ostringstream files;
    files << "ServerRoot " << f << "/conf\n"
          << "RequestRoot " << f << "/spool\n"
          << "CacheDir " << f << "/cache\n"
          << "StateDir " << f << "/state\n"
          << "TempDir " << f << "/tmp\n"
          << "ErrorLog " << f << "/log/error_log\n"
          << "AccessLog " << f << "/log/access_log\n"
          << "PageLog " << f << "/log/page_log\n"
          << "Printcap " << f << "/state/printcap\n"
          << "SystemGroup " << GroupName() << "\n"
          << "FileDevice Yes\n";
    // Loopback only, no browsing or sharing, no authentication: anyone on
    // 127.0.0.1 may add queues.
    std::ostringstream daemon;
    daemon << "Listen 127.0.0.1:" << port_ << "\n"
           << "ServerName 127.0.0.1\n"
           << "Browsing No\n"
           << "BrowseLocalProtocols none\n"
           << "DefaultShared No\n"
           << "WebInterface No\n"
           << "DefaultAuthType None\n"
           << "LogLevel info\n"
           << "<Location />\n  Order allow,deny\n  Allow from 127.0.0.1\n</Location>\n"
           << "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow from 127.0.0.1\n"
           << "  </Limit>\n</Policy>\n";
    if (!WriteText(folder_ / "conf/cups-files.conf", files.str()) ||
        !WriteText(folder_ / "conf/cupsd.conf", daemon.str()))
        return "cannot write the configuration in " + f;
    return {};
}

std::string TestCupsd::Launch() {
    ExecArgs argv({cupsd_, "-f", "-c", (folder_ / "conf/cupsd.conf").string(), "-s",
                   (folder_ / "conf/cups-files.conf").string()});
    ExecArgs envp(
        {"PATH=/usr/sbin:/usr/bin:/sbin:/bin", "LANG=C", "TMPDIR=" + (folder_ / "tmp").string()});
    pid_ = Spawn(cupsd_, argv, envp.get(), folder_ / "log/cupsd.out", true);
    if (pid_ < 0) return std::string("fork failed: ") + std::strerror(errno);

    const auto deadline = Clock::now() + kStartTimeout;
    while (Clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return "cupsd ended at start (" + DescribeStatus(status) + "):\n" + ErrorLog();
        }
        if (Listening(port_)) return {};
        std::this_thread::sleep_for(kPoll);
    }
    Stop();
    return "cupsd did not listen on " + Address() + " within 20 s:\n" + ErrorLog();
}

void TestCupsd::Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    const auto deadline = Clock::now() + kStopTimeout;
    int status = 0;
    while (Clock::now() < deadline) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(kPoll);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

void TestCupsd::RemoveFolder() {
    if (pid_ > 0 || folder_.empty()) return;
    std::error_code error;
    fs::remove_all(folder_, error);
}

std::string TestCupsd::Lpadmin(const std::vector<std::string>& arguments) const {
    std::vector<std::string> all{lpadmin_, "-h", Address()};
    all.insert(all.end(), arguments.begin(), arguments.end());
    ExecArgs argv(all);
    const fs::path output = folder_ / "log/lpadmin.out";
    const pid_t pid = Spawn(lpadmin_, argv, environ, output, false);
    if (pid < 0) return std::string("fork failed: ") + std::strerror(errno);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {};
    std::string command;
    for (const std::string& a : all) command += a + " ";
    return command + "failed (" + DescribeStatus(status) + "): " + ReadText(output);
}

std::string TestCupsd::ErrorLog() const {
    std::string log = ReadText(folder_ / "log/cupsd.out") + ReadText(folder_ / "log/error_log");
    constexpr std::size_t kTail = 4000;
    if (log.size() > kTail) log = "..." + log.substr(log.size() - kTail);
    return log;
}

}  // namespace drafnova::testing_cups

#endif  // DRAFNOVA_HAVE_CUPS
