#include "AuxFixture.h"

#include <cstring>

#include "SavedValues.h"
#include "ShiftJis.h"

namespace zen::test {

std::string HelpFileBytes(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) out += Utf8ToShiftJis(line) + "\r\n";
  return out;
}

std::vector<std::string> NumberedLines(int n, const std::string& prefix) {
  std::vector<std::string> lines;
  for (int i = 0; i < n; ++i) lines.push_back(prefix + std::to_string(i));
  return lines;
}

void AuxTest::SetUp() {
  app.start();
  // Where the calculator's position recorder last saw it.
  app.savedValues().set(entry::kMainTop, " 1200");
  app.savedValues().set(entry::kMainLeft, " 900");
}

void AuxTest::press(const char* button) {
  auto& b = calculator().get<CommandButton>(button);
  calculator().userFocused(&b);
  b.press();
}

bool FakeRegistry::open(RegistryRoot root, const std::string& key, Handle& handle) {
  roots.push_back(root);
  if (root != RegistryRoot::LocalMachine || !keys_.contains(key)) return false;
  handle = nextHandle_++;
  handles_[handle] = key;
  ++opened;
  return true;
}

bool FakeRegistry::query(Handle handle, const std::string& name, char* buffer, std::size_t& size,
                         RegistryValueType& type) {
  const auto& values = keys_.at(handles_.at(handle));
  const auto it = values.find(name);
  if (it == values.end()) return false;
  const Value& v = it->second;
  const std::size_t room = size;
  size = v.bytes.size();
  if (v.bytes.size() > room) return false;
  std::memcpy(buffer, v.bytes.data(), v.bytes.size());
  type = v.type;
  return true;
}

void FakeRegistry::close(Handle handle) {
  if (handles_.erase(handle) == 1) ++closed;
}

}  // namespace zen::test
