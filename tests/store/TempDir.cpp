#include "TempDir.h"

#include <stdlib.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace zen::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zentario-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::system_error(errno, std::system_category(), "mkdtemp " + pattern);
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  // A test may have taken permissions away; give them back so everything can go.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void TempDir::write(const std::filesystem::path& name, std::string_view bytes) const {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + (path_ / name).string());
}

std::string TempDir::read(const std::filesystem::path& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + (path_ / name).string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TempDir::makeSocket(const std::filesystem::path& name) const {
  const std::string path = (path_ / name).string();
  sockaddr_un address{};
  if (path.size() >= sizeof address.sun_path) throw std::runtime_error("socket path too long: " + path);
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, path.c_str());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) throw std::system_error(errno, std::system_category(), "socket");
  const int rc = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  const int err = errno;
  ::close(fd);
  if (rc != 0) throw std::system_error(err, std::system_category(), "bind " + path);
}

void TempDir::makeDevice(const std::filesystem::path& name) const {
  if (::mknod((path_ / name).c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) makeSocket(name);
}

}  // namespace zen::test
