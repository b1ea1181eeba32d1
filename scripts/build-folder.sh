# Sourced by scripts/run, scripts/test and scripts/package: how to configure a build folder here, and
# a build folder that fits this system.

# Ninja when installed; a compiler cache when one is installed (it makes rebuilds after a branch
# switch quick; it is optional).
generator=()
if command -v ninja >/dev/null 2>&1; then
  generator=(-G Ninja)
fi
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# What a build folder is configured against: the generator, the compilers, CMake and Qt.
build_system() {
  printf '%s\n' "${generator[1]:-Unix Makefiles}" "$(c++ -dumpfullversion 2>/dev/null)" \
    "$(clang++ --version 2>/dev/null | head -n 1)" \
    "$(cmake --version 2>/dev/null | head -n 1)" "$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null)"
}

# A build folder configured against anything else (another generator, or a folder carried over
# from another release or kept across an upgrade) is started afresh: CMake would keep the old
# compiler's objects and the old Qt's cached paths.
fit_build_folder() {
  local folder=$1
  if [ -f "$folder/CMakeCache.txt" ] && [ "$(cat "$folder/.build-system" 2>/dev/null)" != "$(build_system)" ]; then
    echo "$(basename "$0"): $folder was configured for another generator, compiler, CMake or Qt; building it afresh"
    rm -rf "$folder"
  fi
}

# Called once the folder is configured.
remember_build_system() {
  build_system >"$1/.build-system"
}
