// The settings file's round trip as the program does it once per run: load at start-up, save at
// Quit, in a real folder, with realistic content.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <random>
#include <string>

#include "ListInput.h"
#include "Settings.h"

namespace {

class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zentario-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~BenchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

zen::SavedValues realisticValues() {
  zen::SavedValues values;
  values.set(zen::entry::kMainTop, " 1800");
  values.set(zen::entry::kMainLeft, " 2400");
  const char* slotTexts[] = {"4.7K\u03A9", "100\u03A9", "2.2M\u03A9", "33\u03A9", "47K\u03A9"};
  for (int slot = 0; slot < zen::entry::kSlotCount; ++slot) {
    values.set(zen::entry::slotValue(slot), slotTexts[slot]);
    for (int band = 0; band < 4; ++band) {
      values.set(zen::entry::slotBand(slot, band), std::to_string(49344 + 1000 * band));
    }
  }
  for (int n = zen::entry::kHelpTop; n <= zen::entry::kFrameLeft; ++n) values.set(n, " 960");
  return values;
}

void BM_SettingsLoadSaveRoundTrip(benchmark::State& state) {
  BenchFolder folder;
  if (folder.path().empty()) {
    state.SkipWithError("no temporary folder");
    return;
  }
  if (!zen::SaveSettings(folder.path(), realisticValues()).ok) {
    state.SkipWithError("first save failed");
    return;
  }
  for (auto _ : state) {
    zen::SavedValues values;
    zen::LoadResult loaded = zen::LoadSettings(folder.path(), values);  // not const: benchmark 1.8 deprecates const refs
    benchmark::DoNotOptimize(loaded);
    const zen::SaveResult saved = zen::SaveSettings(folder.path(), values);
    if (!saved.ok) {
      state.SkipWithError(saved.error.c_str());
      break;
    }
  }
}
BENCHMARK(BM_SettingsLoadSaveRoundTrip)->Unit(benchmark::kMicrosecond);

// The load alone, which is what the start-up waits for; the save is dominated by fsync.
void BM_SettingsLoad(benchmark::State& state) {
  BenchFolder folder;
  if (folder.path().empty() || !zen::SaveSettings(folder.path(), realisticValues()).ok) {
    state.SkipWithError("no settings file");
    return;
  }
  for (auto _ : state) {
    zen::SavedValues values;
    zen::LoadResult loaded = zen::LoadSettings(folder.path(), values);  // not const: benchmark 1.8 deprecates const refs
    benchmark::DoNotOptimize(loaded);
  }
}
BENCHMARK(BM_SettingsLoad);

void BM_SettingsFileBytes(benchmark::State& state) {
  const zen::SavedValues values = realisticValues();
  for (auto _ : state) {
    std::string bytes = zen::SettingsFileBytes(values);
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_SettingsFileBytes);

// The field reader over a mebibyte of binary junk: it must stay linear in the size of the input.
void BM_ListInputJunk(benchmark::State& state) {
  std::mt19937 random(1);
  std::string junk(static_cast<std::size_t>(state.range(0)), '\0');
  for (char& c : junk) c = static_cast<char>(random());
  for (auto _ : state) {
    zen::ListInputReader reader(junk);
    std::size_t fields = 0;
    while (reader.next()) ++fields;
    benchmark::DoNotOptimize(fields);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ListInputJunk)->Arg(1 << 18)->Arg(1 << 20)->Arg(1 << 22)->Unit(benchmark::kMicrosecond);

}  // namespace
