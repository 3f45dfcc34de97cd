// The create command: CreateNewDrawing of the default drawing into a scratch
// folder (overwriting, with its backup, from the second run on), and the
// command line "drafnova-cli new --yes --no-open" as a whole process.

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <vector>

#include "UnitIni/form_state.hpp"
#include "UnitPrint/printer.hpp"
#include "bench_support.hpp"
#include "builder/create_drawing.hpp"

extern char** environ;

namespace drafnova::bench {
namespace {

// Says yes to every question, opens nothing.
class QuietHost final : public TBuilderHost {
public:
    void Beep() override { failed = true; }
    void FocusField(TSettingField) override { failed = true; }
    void Inform(const std::string&) override {}
    bool Confirm(const std::string&) override { return true; }
    void OpenDocument(const std::string&) override { opened = true; }
    bool failed = false;
    bool opened = false;
};

// The default paper (A0) never asks the printer.
class NoPrinter final : public TPrinterMetrics {
public:
    int PrintableWidthMM() override { return 0; }
    int PrintableHeightMM() override { return 0; }
    int PrinterDpiX() override { return 0; }
    int PrinterDpiY() override { return 0; }
    int PhysicalWidthDots() override { return 0; }
    int PhysicalHeightDots() override { return 0; }
};

std::int64_t SizeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<std::int64_t>(info.st_size) : 0;
}

void CreateDefaultDrawing(benchmark::State& state) {
    ScratchFolder folder;
    TFormState form;
    form.ProgramFolder = folder.Path();
    SetFormDefaults(form);
    TCreateSettings settings = GatherCreateSettings(form);
    settings.FileName = "default";
    TDrawing drawing;
    QuietHost host;
    NoPrinter printer;
    for (auto _ : state) {
        host.opened = false;
        CreateNewDrawing(drawing, settings, host, printer);
        if (host.failed || !host.opened) {
            state.SkipWithError("the drawing was not created");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * SizeOf(folder / "default.JWW"));
}

void CommandLineNew(benchmark::State& state) {
    ScratchFolder folder;
    std::vector<std::string> arguments = {
        DRAFNOVA_CLI_PATH,   "new",      "--yes",       "--no-open", "--ini",
        folder / "none.ini", "--folder", folder.Path(), "--name",    "cli"};
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
            ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            state.SkipWithError("drafnova-cli new failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    state.SetBytesProcessed(state.iterations() * SizeOf(folder / "cli.JWW"));
}

BENCHMARK(CreateDefaultDrawing)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(CommandLineNew)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace drafnova::bench

BENCHMARK_MAIN();
