#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "BandValue.h"
#include "ColourTable.h"
#include "EntryConversion.h"

namespace {

// One keystroke's worth of work in the typed direction: convert the entry, then compute and
// format the value of the bands it selects.
void BM_EntryToValueTexts(benchmark::State& state) {
  const std::string entry = "4700";
  for (auto _ : state) {
    benchmark::DoNotOptimize(entry.data());
    const zen::EntryBands bands = zen::ConvertEntry(entry);
    const std::optional<zen::BandColour> multiplier =
        bands.multiplier ? std::optional(static_cast<zen::BandColour>(*bands.multiplier))
                         : std::nullopt;
    const zen::BandValue value =
        zen::ComputeBandValue(10 * bands.first.value_or(0), bands.second.value_or(0),
                              multiplier, 0);
    zen::ValueTexts texts = zen::FormatValue(value);
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_EntryToValueTexts);

void BM_ConvertEntry(benchmark::State& state) {
  const std::string entry = "4700";
  for (auto _ : state) {
    benchmark::DoNotOptimize(entry.data());
    zen::EntryBands bands = zen::ConvertEntry(entry);
    benchmark::DoNotOptimize(bands);
  }
}
BENCHMARK(BM_ConvertEntry);

}  // namespace
