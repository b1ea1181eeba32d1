#pragma once
// A fresh folder under the system's temporary directory, removed with everything in it when the
// object goes away. Tests read and write real files here, never in the user's folders.

#include <filesystem>
#include <string>
#include <string_view>

namespace zen::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes (replacing) or reads a file inside the folder, as raw bytes.
  void write(const std::filesystem::path& name, std::string_view bytes) const;
  std::string read(const std::filesystem::path& name) const;

  // Special files inside the folder. A socket is one anyone can make. A device is the null device
  // (a write to it goes nowhere) where the user may make device nodes, else a socket: never one of
  // the system's own devices.
  void makeSocket(const std::filesystem::path& name) const;
  void makeDevice(const std::filesystem::path& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace zen::test
