#include "SavedValues.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zen {
namespace {

TEST(SavedValuesTest, FreshValuesAreEmptyWithoutFileBytes) {
  const SavedValues values;
  for (int n = 1; n <= entry::kCount; ++n) {
    EXPECT_EQ(values.get(n), "") << n;
    EXPECT_FALSE(values.rawBytes(n).has_value()) << n;
  }
}

TEST(SavedValuesTest, EntriesAreAddressedOneToThirtyFiveAndKeptApart) {
  SavedValues values;
  for (int n = 1; n <= entry::kCount; ++n) values.set(n, std::to_string(n * 7));
  for (int n = 1; n <= entry::kCount; ++n) EXPECT_EQ(values.get(n), std::to_string(n * 7));
}

TEST(SavedValuesTest, NumbersOutsideTheTableThrow) {
  SavedValues values;
  for (int n : {0, -1, entry::kCount + 1}) {
    EXPECT_THROW((void)values.get(n), std::out_of_range) << n;
    EXPECT_THROW(values.set(n, "x"), std::out_of_range) << n;
    EXPECT_THROW((void)values.rawBytes(n), std::out_of_range) << n;
    EXPECT_THROW(values.setLoaded(n, "x", "x"), std::out_of_range) << n;
  }
}

TEST(SavedValuesTest, LoadedEntryKeepsItsFileBytesWhileItHoldsTheTextItWasReadWith) {
  SavedValues values;
  values.setLoaded(entry::kReserved1, "\xEF\xBF\xBD", "\xFF");
  EXPECT_EQ(values.get(entry::kReserved1), "\xEF\xBF\xBD");
  EXPECT_EQ(values.rawBytes(entry::kReserved1), "\xFF");

  values.set(entry::kReserved1, "new");
  EXPECT_EQ(values.get(entry::kReserved1), "new");
  EXPECT_FALSE(values.rawBytes(entry::kReserved1).has_value());

  values.set(entry::kReserved1, "\xEF\xBF\xBD");
  EXPECT_EQ(values.rawBytes(entry::kReserved1), "\xFF");
}

// A change is a text that differs from what the file gave at start: the position recorders write
// the same text again and again, which must not count.
TEST(SavedValuesTest, ChangedMeansDifferentFromWhatWasLoaded) {
  SavedValues values;
  values.setLoaded(entry::kMainTop, " 1800", " 1800");
  values.setLoaded(entry::kMainLeft, " 2400", " 2400");
  values.set(entry::kMainTop, " 1800");
  values.set(entry::kMainLeft, " 2500");
  values.set(entry::slotValue(0), "");
  values.set(entry::slotValue(1), "1K\u03A9");
  values.setLoaded(entry::kReserved1, "x", "x");
  values.set(entry::kReserved1, "y");
  values.set(entry::kReserved1, "x");

  const struct {
    int n;
    bool changed;
  } cases[] = {{entry::kMainTop, false},       {entry::kMainLeft, true}, {entry::slotValue(0), false},
               {entry::slotValue(1), true},    {entry::kReserved1, false}, {entry::kFrameLeft, false}};
  for (const auto& c : cases) EXPECT_EQ(values.changed(c.n), c.changed) << "entry " << c.n;
}

TEST(SavedValuesTest, SlotLayoutCoversEntriesThreeToTwentySeven) {
  EXPECT_EQ(entry::slotValue(0), 3);
  EXPECT_EQ(entry::slotBand(0, 0), 4);
  EXPECT_EQ(entry::slotBand(0, 3), 7);
  EXPECT_EQ(entry::slotValue(4), 23);
  EXPECT_EQ(entry::slotBand(4, 3), 27);
  EXPECT_EQ(entry::slotBand(4, 3) + 1, entry::kHelpTop);
}

}  // namespace
}  // namespace zen
