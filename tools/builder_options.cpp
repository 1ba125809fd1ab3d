#include "builder_options.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

std::optional<BuilderOptions> builderOptionsOf(const std::vector<std::string_view>& args)
{
    BuilderOptions options;
    options.workers = std::max(std::thread::hardware_concurrency(), 1u);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--check") {
            options.check = true;
        } else if (args[i] == "--write" && hasValue) {
            options.output = args[++i];
        } else if (args[i] == "--workers" && hasValue) {
            const int workers = std::atoi(std::string(args[++i]).c_str());
            if (workers < 1) return std::nullopt;
            options.workers = static_cast<unsigned>(workers);
        } else {
            return std::nullopt;
        }
    }
    if (options.check == !options.output.empty()) return std::nullopt;
    return options;
}

bool writeSource(const std::string& program, const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    out.close();
    if (!out) std::fprintf(stderr, "%s: cannot write %s\n", program.c_str(), path.c_str());
    return static_cast<bool>(out);
}
