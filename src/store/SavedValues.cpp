#include "SavedValues.h"

#include <stdexcept>
#include <utility>

namespace zen {

SavedValues::Entry& SavedValues::at(int n) {
  return const_cast<Entry&>(std::as_const(*this).at(n));
}

const SavedValues::Entry& SavedValues::at(int n) const {
  if (n < 1 || n > entry::kCount) {
    throw std::out_of_range("SavedValues: entry " + std::to_string(n) + " is not in 1..35");
  }
  return entries_[static_cast<std::size_t>(n - 1)];
}

const std::string& SavedValues::get(int n) const { return at(n).text; }

void SavedValues::set(int n, std::string text) { at(n).text = std::move(text); }

std::optional<std::string> SavedValues::rawBytes(int n) const {
  const Entry& e = at(n);
  // Once the program has written a text of its own, the file's bytes no longer speak for the entry.
  if (e.loadedRaw && e.text == e.loadedText) return e.loadedRaw;
  return std::nullopt;
}

void SavedValues::setLoaded(int n, std::string text, std::string raw) {
  Entry& e = at(n);
  e.text = text;
  e.loadedText = std::move(text);
  e.loadedRaw = std::move(raw);
}

void SavedValues::restoreLoaded(int n) {
  Entry& e = at(n);
  e.text = e.loadedText;
}

bool SavedValues::changed(int n) const {
  const Entry& e = at(n);
  return e.text != e.loadedText;
}

}  // namespace zen
