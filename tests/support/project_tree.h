#pragma once

// Expected project trees keep LF line ends, with a CR before the LF where the program's own text
// holds a CR LF; the text file writer turns every LF into CR LF on disk. Kotlin sources are
// written with LF alone, so those are compared exactly as stored.

#include <map>
#include <string>

#include "expected_files.h"

namespace nakkas::test {

inline ::testing::AssertionResult sameProjectTree(const std::map<std::string, std::string>& actual,
                                                  const std::string& folder) {
    std::map<std::string, std::string> expected;
    for (const auto& [name, bytes] : readTree(dataPath(folder)))
        expected[name] = name.ends_with(".kt") ? bytes : readDataCrLf(folder + "/" + name);
    if (expected.empty()) return ::testing::AssertionFailure() << "no files under " << folder;
    std::string why;
    for (const auto& [name, bytes] : expected)
        if (!actual.count(name)) why += "missing file: " + name + "\n";
    for (const auto& [name, bytes] : actual) {
        const auto it = expected.find(name);
        if (it == expected.end())
            why += "unexpected file: " + name + "\n";
        else if (auto r = sameText(bytes, it->second); !r)
            why += name + ": " + r.message() + "\n";
    }
    if (why.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << why;
}

}  // namespace nakkas::test
