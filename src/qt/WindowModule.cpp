#include "WindowModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>

namespace zen::qt {

int RunWindowModule(int argc, char** argv, const ProgramOptions& options) {
  // The executable's own file, links resolved, as Qt finds it for the browser's module.
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) {
    std::cerr << "zentario: cannot find the program's own folder: /proc/self/exe: " << ec.message() << '\n';
    return 1;
  }
  const std::string module =
      (program.parent_path() / ZEN_MODULE_FROM_PROGRAM / "libzenwindow.so").lexically_normal().native();
  // Bound at once, so a module that does not fit the installed Qt is reported here, not halfway.
  void* handle = ::dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  auto run = handle ? reinterpret_cast<ZenRunProgram>(::dlsym(handle, kZenRunProgramSymbol)) : nullptr;
  if (run == nullptr) {
    // The loader's reason, without the file name it usually starts with: the line names it once.
    const char* error = ::dlerror();
    std::string_view why = error ? error : "no entry point";
    if (why.starts_with(module + ": ")) why.remove_prefix(module.size() + 2);
    std::cerr << "zentario: cannot load " << module << ": " << why << '\n';
    return 1;
  }
  return run(argc, argv, &options);
}

}  // namespace zen::qt
