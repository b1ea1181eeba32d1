// Surface-mount markings: ReadSmdMarking on any text, and the markings of what it read, which must
// read back as the same value; the nearest E96 value of it is an E96 value.

#include <algorithm>

#include "FuzzCheck.h"
#include "PreferredValues.h"
#include "SmdMarking.h"

using zen::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const zen::SmdReading r = zen::ReadSmdMarking(zen::fuzz::asText(data, size));
  if (r.problem != zen::SmdProblem::None) return 0;
  check(r.value.digits.empty() == (r.kind == zen::SmdKind::Jumper), "zero exactly for a jumper");
  const zen::SmdMarkings m = zen::SmdMarkingsOf(r.value);
  for (const std::string* code : {&m.threeDigits, &m.fourDigits, &m.eia96}) {
    if (code->empty()) continue;
    const zen::SmdReading back = zen::ReadSmdMarking(*code);
    check(back.problem == zen::SmdProblem::None && back.value == r.value, "a written marking reads back");
  }
  if (!r.value.digits.empty()) {
    std::string digits = zen::NearestPreferred(r.value, zen::kE96).digits;
    digits.resize(3, '0');
    check(std::find(zen::kE96.begin(), zen::kE96.end(), std::stoi(digits)) != zen::kE96.end(), "nearest is in E96");
  }
  return 0;
}
