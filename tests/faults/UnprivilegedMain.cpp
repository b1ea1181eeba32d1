// Runs the fault tests as an ordinary user. Started as root (CI, containers), the process first
// becomes the unprivileged user "nobody": the superuser reads a file without read permission and
// writes into a read-only folder, so those faults only happen to someone else.

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

void becomeUnprivileged() {
  const passwd* nobody = ::getpwnam("nobody");
  const uid_t uid = nobody ? nobody->pw_uid : 65534;
  const gid_t gid = nobody ? nobody->pw_gid : 65534;
  if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) {
    std::perror("fault_tests: cannot give up root");
    std::exit(1);
  }
  // Changing the user makes the process undumpable, which keeps the leak checker from inspecting
  // its own threads.
  ::prctl(PR_SET_DUMPABLE, 1);
  const char* tmp = std::getenv("TMPDIR");
  if (tmp != nullptr && ::access(tmp, W_OK | X_OK) != 0) ::setenv("TMPDIR", "/tmp", 1);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Listing the tests writes where the build asks (CMake 4 has the list written as JSON into the
  // build folder, which may be root's own): that needs no other user.
  if (::geteuid() == 0 && !GTEST_FLAG_GET(list_tests)) becomeUnprivileged();
  return RUN_ALL_TESTS();
}
