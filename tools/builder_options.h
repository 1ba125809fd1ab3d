// What the programs that derive built-in data are asked to do: write the source file that holds
// it, or compare it with the data built in; with how many workers.
//
//   PROGRAM --write FILE | --check  [--workers N]
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct BuilderOptions {
    bool check = false;
    std::string output;  // the file to write; empty with --check
    unsigned workers = 1;
};

// The options of the arguments after the program's name; nullopt when they are not of that form.
// workers is the number of cores unless given.
std::optional<BuilderOptions> builderOptionsOf(const std::vector<std::string_view>& args);

// Writes text to the file at path; on failure says so on stderr, naming the program, and returns
// false.
bool writeSource(const std::string& program, const std::string& path, const std::string& text);
