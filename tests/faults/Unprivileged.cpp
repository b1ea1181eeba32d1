#include "Unprivileged.h"

#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace zen::test {

void becomeUnprivileged() {
  const passwd* nobody = ::getpwnam("nobody");
  const uid_t uid = nobody ? nobody->pw_uid : 65534;
  const gid_t gid = nobody ? nobody->pw_gid : 65534;
  if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) {
    std::perror("cannot give up root");
    std::exit(1);
  }
  // Changing the user makes the process undumpable, which keeps the leak checker from inspecting
  // its own threads.
  ::prctl(PR_SET_DUMPABLE, 1);
  const char* tmp = std::getenv("TMPDIR");
  if (tmp != nullptr && ::access(tmp, W_OK | X_OK) != 0) ::setenv("TMPDIR", "/tmp", 1);
}

}  // namespace zen::test
