#pragma once

// Runs the real nakkas-cli with its own settings folder and captures what it prints.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace nakkas::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// A settings home of its own for each test: XDG_CONFIG_HOME points the store there.
class CliHome {
public:
    CliHome() {
        char pattern[] = "/tmp/nakkas-cli-XXXXXX";
        m_dir = mkdtemp(pattern);
    }
    ~CliHome() { std::filesystem::remove_all(m_dir); }

    std::filesystem::path settingsFile() const { return m_dir / "Pelvan" / "Nakkas 2012.ini"; }
    void writeSettings(const std::string& bytes) const {
        std::filesystem::create_directories(settingsFile().parent_path());
        std::ofstream(settingsFile(), std::ios::binary) << bytes;
    }
    const std::filesystem::path& dir() const { return m_dir; }

    CliResult run(const std::vector<std::string>& args) const {
        const auto outFile = m_dir / "out.bin";
        const auto errFile = m_dir / "err.bin";
        CliResult r;
        pid_t pid = fork();
        if (pid == 0) {
            setenv("XDG_CONFIG_HOME", m_dir.c_str(), 1);
            std::freopen(outFile.c_str(), "wb", stdout);
            std::freopen(errFile.c_str(), "wb", stderr);
            std::vector<char*> argv;
            std::string prog = NAKKAS_CLI;
            argv.push_back(prog.data());
            std::vector<std::string> copy = args;
            for (auto& a : copy) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(prog.c_str(), argv.data());
            _exit(127);
        }
        int st = 0;
        waitpid(pid, &st, 0);
        r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
        r.out = slurp(outFile);
        r.err = slurp(errFile);
        return r;
    }

private:
    static std::string slurp(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::filesystem::path m_dir;
};

}  // namespace nakkas::test
