// Feeds every file of a fuzz target's corpus to the target, without libFuzzer:
// the inputs found so far become an ordinary test. Usage: replay_TARGET FOLDER...
// A property that fails aborts with the input in hex (fuzz_check.h).

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char *argv[])
{
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::is_directory(argv[i])) {
            std::cerr << "replay: no folder " << argv[i] << '\n';
            return 1;
        }
        for (const auto &entry : std::filesystem::directory_iterator(argv[i]))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    }
    // A wrong folder must not pass as an empty, successful replay.
    if (files.empty()) {
        std::cerr << "replay: no corpus files given\n";
        return 1;
    }
    std::sort(files.begin(), files.end());
    for (const auto &file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::cout << file.filename().string() << '\n';
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
    }
    std::cout << "replayed " << files.size() << " inputs\n";
    return 0;
}
