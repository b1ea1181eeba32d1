// Writes the reference pages into a folder at build time: make_web_pages <folder>.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "WebPages.h"

namespace {

bool write(const std::filesystem::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) std::cerr << "make_web_pages: cannot write " << file << "\n";
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_web_pages <folder>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  const bool ok = write(folder / "colour-code.html", zen::ColourCodePage()) &&
                  write(folder / "parts.html", zen::PartsListPage());
  return ok ? 0 : 1;
}
