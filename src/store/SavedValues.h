#pragma once
// The calculator's persistent state: 35 text entries numbered 1 to 35 (window positions and the
// five memory slots), kept in ZENTARIO.INI between runs. Each entry also remembers what the
// settings file gave it at start, so that a save can tell what this run changed.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zen {

namespace entry {
inline constexpr int kMainTop = 1;
inline constexpr int kMainLeft = 2;
inline constexpr int kFirstSlot = 3;     // slot k (0 = A .. 4 = E): value text at 3 + 5k
inline constexpr int kSlotStride = 5;    // band colours 1..4 at 4 + 5k .. 7 + 5k
inline constexpr int kSlotCount = 5;
inline constexpr int kHelpTop = 28;
inline constexpr int kHelpLeft = 29;
inline constexpr int kChartTop = 30;
inline constexpr int kChartLeft = 31;
inline constexpr int kReserved1 = 32;
inline constexpr int kReserved2 = 33;
inline constexpr int kFrameTop = 34;
inline constexpr int kFrameLeft = 35;
inline constexpr int kCount = 35;
// The entries that hold window positions: top and left of the calculator, help viewer, chart and
// browser frame.
inline constexpr int kPositions[] = {kMainTop,  kMainLeft,  kHelpTop,  kHelpLeft,
                                     kChartTop, kChartLeft, kFrameTop, kFrameLeft};

constexpr int slotValue(int slot) { return kFirstSlot + kSlotStride * slot; }
constexpr int slotBand(int slot, int band /* 0..3 */) { return slotValue(slot) + 1 + band; }
}  // namespace entry

// What the settings file was when the entries were loaded. Only a file that was missing or read
// may be replaced at the end of the run: one that could not be read holds slots nobody has seen.
enum class SettingsFileState {
  NotLoaded,   // nothing was loaded (values built by the program alone); saved like Missing
  Missing,     // there was no file
  Read,        // the file was read (perhaps fewer than 35 fields)
  Unreadable,  // a file was there but could not be read
  NotAFile,    // something that is not a regular file stands in its place (folder, FIFO, device)
};

class SavedValues {
 public:
  // Entry n, 1..35, as UTF-8 text. Out of range throws std::out_of_range (a programming error).
  const std::string& get(int n) const;
  void set(int n, std::string text);

  // The bytes the entry was read with from the file, while the entry still holds the text it was
  // read with. The settings writer gives them back unchanged, so text that is not valid Shift-JIS
  // survives a run.
  std::optional<std::string> rawBytes(int n) const;
  // Entry n as the file gave it: its text now and the baseline a save compares against.
  void setLoaded(int n, std::string text, std::string raw);
  // Entry n takes back the text the file gave it, so a save leaves it as the file has it.
  void restoreLoaded(int n);

  // Whether this run changed entry n: its text differs from what the file gave at start (from
  // empty for an entry the file did not have). Writing back the same text again and again, as
  // the position recorders do, is not a change.
  bool changed(int n) const;

  SettingsFileState fileState() const { return fileState_; }
  void setFileState(SettingsFileState state) { fileState_ = state; }

  bool operator==(const SavedValues&) const = default;

 private:
  struct Entry {
    std::string text;
    std::string loadedText;
    std::optional<std::string> loadedRaw;
    bool operator==(const Entry&) const = default;
  };
  Entry& at(int n);
  const Entry& at(int n) const;
  std::array<Entry, entry::kCount> entries_{};
  SettingsFileState fileState_ = SettingsFileState::NotLoaded;
};

}  // namespace zen
