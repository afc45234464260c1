#pragma once

// Expected texts and trees written by hand under tests/data, compared whole and byte for byte.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace nakkas::test {

// The folder of the hand-written expected files.
std::filesystem::path dataPath(const std::string& relative);

// The bytes of a file under tests/data, exactly as stored.
std::string readData(const std::string& relative);

// Expected files hold LF line ends so that they read well; the program writes CR LF. This turns
// every LF of an expected file into CR LF (a file that must keep a lone LF says so by its name
// ending in ".bytes" and is read with readData instead).
std::string readDataCrLf(const std::string& relative);

// Compares a text with an expected one and, on a difference, reports the first differing byte
// with some context, with CR and LF made visible.
::testing::AssertionResult sameText(const std::string& actual, const std::string& expected);

// Every file under a folder on disk, by its path relative to the folder.
std::map<std::string, std::string> readTree(const std::filesystem::path& root);

}  // namespace nakkas::test
