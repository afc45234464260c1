#pragma once

// Runs the real nakkas-cli with its own settings folder and captures what it prints.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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

    // The shell command that runs the program with this settings home. A run that hangs is
    // stopped after ten seconds (exit status 124), so a fault cannot stall the suite.
    std::string command(const std::vector<std::string>& args) const {
        std::string command =
            "XDG_CONFIG_HOME=" + quoted(m_dir) + " timeout 10 " + quoted(NAKKAS_CLI);
        for (const std::string& a : args) command += " " + quoted(a);
        return command;
    }

    // Standard output goes to the given shell word (a file, /dev/full), by default a file under
    // the home; only that file is read back.
    CliResult run(const std::vector<std::string>& args, std::string stdoutTarget = {}) const {
        std::filesystem::remove(m_dir / "out");
        if (stdoutTarget.empty()) stdoutTarget = quoted(m_dir / "out");
        const int st = std::system(
            (command(args) + " >" + stdoutTarget + " 2>" + quoted(m_dir / "err")).c_str());
        return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, slurp(m_dir / "out"), slurp(m_dir / "err")};
    }

    // One shell word, whatever the text holds.
    static std::string quoted(const std::string& text) {
        std::string out = "'";
        for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    }

    static std::string slurp(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

private:
    std::filesystem::path m_dir;
};

}  // namespace nakkas::test
