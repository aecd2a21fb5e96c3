// zorkan-package-files OUTDIR SOURCE DATE: writes the package's files that come from the programs'
// own tables and help texts, zorkan-cli.1, zorkan-sim.1 and the completion zorkan-cli, into OUTDIR;
// SOURCE is the package and its version ("zorkan-config 1.0.0"), DATE the release's (YYYY-MM-DD).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "packaging/generator/bash_completion.h"
#include "packaging/generator/program_manuals.h"

namespace {

bool Write(const std::filesystem::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  file.close();
  if (file) return true;
  std::fprintf(stderr, "zorkan-package-files: cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("Usage: zorkan-package-files OUTDIR SOURCE DATE\n", stderr);
    return 64;
  }
  using namespace zorkan::packaging;
  const std::filesystem::path folder = argv[1];
  const bool written = Write(folder / "zorkan-cli.1", ZorkanCliManual(argv[2], argv[3])) &&
                       Write(folder / "zorkan-sim.1", ZorkanSimManual(argv[2], argv[3])) &&
                       Write(folder / "zorkan-cli", BashCompletion());
  return written ? 0 : 1;
}
