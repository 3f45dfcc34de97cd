#pragma once
// A CUPS print server of the tests' own: cupsd with its configuration, spool,
// cache, state and logs in a new folder, listening on 127.0.0.1 only, with no
// browsing and no sharing. It is stopped by Stop or the destructor, and dies
// with the test program if that ends abruptly.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace drafnova::testing_cups {

class TestCupsd {
public:
    TestCupsd() = default;
    TestCupsd(const TestCupsd&) = delete;
    TestCupsd& operator=(const TestCupsd&) = delete;
    ~TestCupsd();

    // Starts the server in a new folder under parent. Returns "" when it
    // listens, else why it cannot run here.
    std::string Start(const std::filesystem::path& parent);

    // Stops the server and waits for it; nothing when it is not running.
    void Stop();

    // Removes the server's folder (after Stop).
    void RemoveFolder();

    // "127.0.0.1:port", for CUPS_SERVER or cupsSetServer.
    std::string Address() const;
    const std::filesystem::path& Folder() const { return folder_; }

    // Runs lpadmin against this server with the environment of the test
    // program. Returns "" on success, else lpadmin's output.
    std::string Lpadmin(const std::vector<std::string>& arguments) const;

    // The server's error log, for failure messages.
    std::string ErrorLog() const;

private:
    std::string WriteConfiguration();
    std::string Launch();

    std::filesystem::path folder_;
    std::string cupsd_;
    std::string lpadmin_;
    int port_ = 0;
    pid_t pid_ = -1;
};

// Full path of a program found in PATH or in the system folders, or "".
std::string FindProgram(const std::string& name);

}  // namespace drafnova::testing_cups
