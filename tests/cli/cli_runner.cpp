#include "cli_runner.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "cli.h"
#include "expected_files.h"

namespace nakkas::test {

namespace {

// A stream that grows in memory; its text is read once it is closed.
class MemoryStream {
public:
    MemoryStream() : m_file(open_memstream(&m_buffer, &m_size)) {}
    ~MemoryStream() {
        close();
        std::free(m_buffer);
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    std::FILE* file() const { return m_file; }
    std::string text() {
        close();
        return m_buffer ? std::string(m_buffer, m_size) : std::string();
    }

private:
    void close() {
        if (m_file) std::fclose(m_file);
        m_file = nullptr;
    }

    char* m_buffer = nullptr;
    std::size_t m_size = 0;
    std::FILE* m_file = nullptr;
};

}  // namespace

CliRun runCli(FakeServices& services, const Args& args) {
    MemoryStream out, err;
    CliRun run;
    run.status = cli::runCli(args, services, out.file(), err.file());
    run.out = out.text();
    run.err = err.text();
    return run;
}

Args words(const std::string& line) {
    Args args;
    for (std::size_t from = 0, to; from < line.size(); from = to + 1) {
        to = std::min(line.find(' ', from), line.size());
        std::string w = line.substr(from, to - from);
        std::ranges::replace(w, '~', ' ');
        if (w.starts_with('@')) w = dataPath(w.substr(1)).string();
        args.push_back(w == "''" ? "" : w);
    }
    return args;
}

}  // namespace nakkas::test
