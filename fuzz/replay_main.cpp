// Runs a fuzz target over the inputs kept in the folders or files given, as an ordinary test:
// every input the fuzzer once failed on stays fixed.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    int count = 0;
    for (int a = 1; a < argc; ++a) {
        std::vector<fs::path> inputs;
        if (fs::is_directory(argv[a])) {
            for (const auto& entry : fs::directory_iterator(argv[a]))
                if (entry.is_regular_file()) inputs.push_back(entry.path());
        } else {
            inputs.emplace_back(argv[a]);
        }
        for (const fs::path& path : inputs) {
            std::ifstream in(path, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
            if (!in.eof() && in.fail()) {
                std::fprintf(stderr, "cannot read %s\n", path.c_str());
                return 1;
            }
            static const char none = 0; // the fuzzer never passes a null pointer, even for no bytes
            LLVMFuzzerTestOneInput(
                reinterpret_cast<const std::uint8_t*>(bytes.empty() ? &none : bytes.data()), bytes.size());
            ++count;
        }
    }
    std::printf("%d inputs replayed\n", count);
    return 0;
}
