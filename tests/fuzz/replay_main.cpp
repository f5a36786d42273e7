// Runs a fuzz target's entry point once on every file named on the command line (folders are
// walked), as libFuzzer would on a crash input, so that a plain build checks the seed corpus
// and the inputs that once failed.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::fprintf(stderr, "%s\n", file.c_str());
  // A copy of exactly the input's size, so that a read past its end is caught.
  const std::vector<std::uint8_t> input(bytes.begin(), bytes.end());
  LLVMFuzzerTestOneInput(input.data(), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path path(argv[i]);
    if (!std::filesystem::is_directory(path)) {
      Replay(path);
      ++replayed;
      continue;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
      // Dot files keep empty folders in the repository; they are no inputs.
      if (entry.is_regular_file() && !entry.path().filename().string().starts_with('.'))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) Replay(file);
    replayed += static_cast<int>(files.size());
  }
  std::fprintf(stderr, "%d inputs replayed\n", replayed);
  return replayed > 0 ? 0 : 1;
}
