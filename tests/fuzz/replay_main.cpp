// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a corpus through a fuzz target without libFuzzer, so any compiler's sanitizer build
// checks the seeds and the reproducers of past findings: every file in the folders named on the
// command line goes through LLVMFuzzerTestOneInput once. Files named "open-..." reproduce a fault
// not yet mended; they are left out unless --open is given, and then only they run.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace
{

std::vector<std::filesystem::path> corpusFiles(int argc, char **argv, bool open)
{
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--open")
            continue;
        for (const auto &entry : std::filesystem::directory_iterator(argv[i])) {
            const bool isOpen = entry.path().filename().string().starts_with("open-");
            // Absolute, since a target may change the working directory.
            if (entry.is_regular_file() && isOpen == open)
                files.push_back(std::filesystem::absolute(entry.path()));
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    const bool open = std::any_of(argv + 1, argv + argc,
                                  [](const char *arg) { return std::string(arg) == "--open"; });
    const std::vector<std::filesystem::path> files = corpusFiles(argc, argv, open);
    for (const std::filesystem::path &file : files) {
        std::fprintf(stderr, "replaying %s\n", file.c_str());
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    }
    std::fprintf(stderr, "%zu inputs replayed\n", files.size());
    return files.empty() ? 1 : 0; // an empty corpus means a wrong folder
}
