#include "expected_files.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace nakkas::test {

namespace {

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string visible(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\r' ? "\\r" : c == '\n' ? "\\n\n" : std::string(1, c);
    return out;
}

}  // namespace

std::filesystem::path dataPath(const std::string& relative) {
    return std::filesystem::path(NAKKAS_TEST_DATA) / relative;
}

std::string readData(const std::string& relative) {
    const auto path = dataPath(relative);
    if (!std::filesystem::is_regular_file(path)) ADD_FAILURE() << "missing expected file " << path;
    return slurp(path);
}

std::string readDataCrLf(const std::string& relative) {
    const std::string raw = readData(relative);
    std::string out;
    out.reserve(raw.size() + raw.size() / 16);
    for (char c : raw) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

::testing::AssertionResult sameText(const std::string& actual, const std::string& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    const size_t from = at > 80 ? at - 80 : 0;
    std::ostringstream why;
    why << "texts differ at byte " << at << " (lengths " << actual.size() << " and "
        << expected.size() << ")\n--- actual from byte " << from << ":\n"
        << visible(actual.substr(from, 200)) << "\n--- expected from byte " << from << ":\n"
        << visible(expected.substr(from, 200));
    return ::testing::AssertionFailure() << why.str();
}

std::map<std::string, std::string> readTree(const std::filesystem::path& root) {
    std::map<std::string, std::string> out;
    if (!std::filesystem::exists(root)) return out;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root))
        if (e.is_regular_file())
            out[std::filesystem::relative(e.path(), root).generic_string()] = slurp(e.path());
    return out;
}

}  // namespace nakkas::test
