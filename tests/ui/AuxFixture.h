#pragma once
// Shared ground for the auxiliary windows' tests: the calculator started in a temporary folder on
// the fake platform, the calculator's recorded position set, and helpers for the help file and a
// registry.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "App.h"
#include "CalculatorWindow.h"
#include "FakePlatform.h"
#include "Registry.h"
#include "TempDir.h"

namespace zen::test {

// A help file as the program reads it: the lines in Shift-JIS, each ended by CR LF.
std::string HelpFileBytes(const std::vector<std::string>& lines);
// "line 0", "line 1", ... "line n-1".
std::vector<std::string> NumberedLines(int n, const std::string& prefix = "line ");

class AuxTest : public ::testing::Test {
 protected:
  void SetUp() override;

  CalculatorWindow& calculator() { return app.calculator(); }
  // A press of a calculator button, after the click has put the keyboard focus on it.
  void press(const char* button);
  template <class W>
  int openCount() const {
    int n = 0;
    for (Window* w : app.windows()) n += dynamic_cast<W*>(w) != nullptr;
    return n;
  }
  bool focusOnEntry() { return calculator().focus() == &calculator().entryBox(); }
  void writeHelp(const std::vector<std::string>& lines) const { dir.write("ZENHELP.TXT", HelpFileBytes(lines)); }

  TempDir dir;
  FakePlatform platform{dir.path()};
  App app{platform};
};

// A registry of a few values, counting the keys it opened and closed.
class FakeRegistry : public Registry {
 public:
  struct Value {
    std::string bytes;
    RegistryValueType type;
  };
  void set(const std::string& key, const std::string& name, Value v) { keys_[key][name] = std::move(v); }
  // An empty key: it opens, but holds no value.
  void addKey(const std::string& key) { keys_[key]; }

  bool open(RegistryRoot root, const std::string& key, Handle& handle) override;
  bool query(Handle handle, const std::string& name, char* buffer, std::size_t& size,
             RegistryValueType& type) override;
  void close(Handle handle) override;

  int opened = 0;
  int closed = 0;
  std::vector<RegistryRoot> roots;

 private:
  std::map<std::string, std::map<std::string, Value>> keys_;
  std::map<Handle, std::string> handles_;
  Handle nextHandle_ = 100;
};

}  // namespace zen::test
