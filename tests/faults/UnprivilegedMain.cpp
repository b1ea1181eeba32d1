// Runs the fault tests as an ordinary user. Started as root (CI, containers), the process first
// becomes the unprivileged user "nobody": the superuser reads a file without read permission and
// writes into a read-only folder, so those faults only happen to someone else.

#include <gtest/gtest.h>
#include <unistd.h>

#include "Unprivileged.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (::geteuid() == 0) zen::test::becomeUnprivileged();
  return RUN_ALL_TESTS();
}
