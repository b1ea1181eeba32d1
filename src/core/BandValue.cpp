#include "BandValue.h"

#include "Numbers.h"

namespace zen {

BandValue ComputeBandValue(int tens, int digit, std::optional<BandColour> multiplier,
                           double previousOhm) {
  BandValue v;
  // A colour without a factor ("none") counts as no multiplier selected.
  const std::optional<double> factor = multiplier ? multiplierOf(*multiplier) : std::nullopt;
  // The two-digit number times a power of ten is exact in a double (99 x 10^9 < 2^53); with
  // gold or silver it is one rounded product.
  v.ohm = factor ? static_cast<double>(tens + digit) * *factor : previousOhm;
  v.kiloOhm = v.ohm / 1000;
  v.megaOhm = v.kiloOhm / 1000;
  return v;
}

ValueTexts FormatValue(const BandValue& v) {
  return {GeneralNumberText(v.ohm), GeneralNumberText(v.kiloOhm), GeneralNumberText(v.megaOhm)};
}

ValueInUnit ValueInOneUnit(const ValueTexts& texts, bool fractionalMultiplier) {
  if (fractionalMultiplier) return {texts.ohm, "Ω"};
  const std::size_t n = CharacterCount(texts.ohm);
  if (n <= 3) return {texts.ohm, "Ω"};
  if (n <= 6) return {texts.kiloOhm, "KΩ"};
  return {texts.megaOhm, "MΩ"};
}

}  // namespace zen
