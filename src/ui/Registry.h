#pragma once
// A system registry of keys and named values, read only. Platforms without one have none.

#include <cstddef>
#include <cstdint>
#include <string>

namespace zen {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };
enum class RegistryValueType { String, DWord, Other };

class Registry {
 public:
  using Handle = std::uint64_t;
  virtual ~Registry() = default;
  // Opens a sub-key with full access; false when it does not exist or cannot be opened.
  virtual bool open(RegistryRoot root, const std::string& key, Handle& handle) = 0;
  // Copies a value's bytes into buffer (at most size bytes); size becomes the byte count the
  // value has. False when the value is missing or does not fit.
  virtual bool query(Handle handle, const std::string& name, char* buffer, std::size_t& size,
                     RegistryValueType& type) = 0;
  virtual void close(Handle handle) = 0;
};

}  // namespace zen
