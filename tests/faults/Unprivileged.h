#pragma once
// Gives up root for the user "nobody". The superuser reads a file without read permission and
// writes into a read-only folder, and some programs (Mozc's server) refuse to run as root, so tests
// that meet such things as a user does become one first.

namespace zen::test {

// Ends the process with a message when it cannot. TMPDIR is reset to /tmp when nobody may not use
// it.
void becomeUnprivileged();

}  // namespace zen::test
