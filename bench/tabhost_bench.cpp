// Writing a six-tab project with a six-item menu, next to copying the finished tree with cp -r.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "host_services.h"
#include "tools/tabhost_wizard/project_writer.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The real file system, without the message boxes on standard error.
class QuietServices : public nakkas::HostServices {
public:
    using HostServices::HostServices;
    nakkas::MessageAnswer messageBox(const std::string&, const std::string&, nakkas::MessageIcon,
                                     nakkas::MessageButtons) override {
        return nakkas::MessageAnswer::Ok;
    }
    void openDesktop(const std::string&) override {}
};

struct Bench {
    fs::path dir;
    QuietServices services;
    nakkas::TabHostProject project;
    nakkas::MenuRecords menu;

    Bench() : dir(makeDir()), services((dir / "ayarlar.ini").string()) {
        nakkas::TabHostWizard w(
            services, project, menu,
            {"AnaEkran", "tabHost1", "tabHost1", "ic_launcher", "com.firma.uyg"});
        w.tabCountText = "6";
        w.list();
        for (int k = 0; k < 6; ++k) {
            w.chooseTab(k);
            w.setTitle("Sayfa Başlığı " + std::to_string(k + 1));
            w.setScroll(k % 2 == 1);
            w.chooseLayout(k % 4);
        }
        for (int m = 0; m < int(nakkas::kLifecycleCount); ++m)
            w.setLifecycle(nakkas::Lifecycle(m), true);
        w.newMenuDesign();
        menu.count = 6;
        project.openWhenDone = false;
        fs::create_directories(dir / "ref");
        write(dir / "ref");
    }
    ~Bench() { fs::remove_all(dir); }

    static fs::path makeDir() {
        char pattern[] = "/tmp/nakkas-tabhost-bench-XXXXXX";
        return mkdtemp(pattern);
    }
    void write(const fs::path& out) {
        project.outputFolder = out.string();
        nakkas::writeTabHostProject(services, project, menu, nakkas::ReplacePolicy::Replace);
    }
};

Bench& bench() {
    static Bench b;
    return b;
}

void BM_WriteProject(benchmark::State& state) {
    Bench& b = bench();
    const fs::path out = b.dir / "yaz";
    fs::create_directories(out);
    for (auto _ : state) {
        b.write(out);
        state.PauseTiming();
        fs::remove_all(out / "Zep");
        state.ResumeTiming();
    }
}

void BM_CopyTree(benchmark::State& state) {
    Bench& b = bench();
    const std::string from = (b.dir / "ref" / "Zep").string();
    const std::string to = (b.dir / "kopya").string();
    for (auto _ : state) {
        char* argv[] = {const_cast<char*>("cp"), const_cast<char*>("-r"),
                        const_cast<char*>(from.c_str()), const_cast<char*>(to.c_str()), nullptr};
        pid_t pid = 0;
        if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cp could not be started");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        state.PauseTiming();
        fs::remove_all(to);
        state.ResumeTiming();
    }
}

BENCHMARK(BM_WriteProject)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopyTree)->Unit(benchmark::kMicrosecond);

}  // namespace
