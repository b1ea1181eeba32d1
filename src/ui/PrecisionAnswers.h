#pragma once
// The five- and six-band window's answer lines, in Japanese: what the terminal words in English
// (core's AnswerText), worded over the same readings core returns. Core decides what is refused
// and why and computes every value and marking a line names; these functions only say it in the
// window's language. A line ends without "。": the window and its reader join lines with one.

#include <span>
#include <string>
#include <string_view>

#include "AnswerText.h"

namespace zen::ja {

// "\"よん\" は抵抗値として読めません。4700、4k7、… のように入力してください".
std::string ValueRefusal(std::string_view typed, const ValueReading& reading);
// "\"0.47\" は小さすぎて色帯で表せません。最小は 1 Ω（茶 黒 黒 銀）です"; empty when it fits.
std::string RangeRefusal(std::string_view typed, BandFit fit, int digitCount, bool milli);
// "4.753k → 4.75k (E96, E192)。色帯は有効数字3桁の 4.75k です".
std::string ShortenedText(const Decimal& asked, int digitCount, std::span<const NamedSeries> series);
// "4.7 Ω（R は小数点）", "10 KΩ（EIA-96: 01 = 100, C = ×100）".
std::string SmdAnswer(std::string_view code, const SmdReading& m);
// Empty for a marking that can be read.
std::string SmdRefusal(std::string_view typed, std::string_view code, const SmdReading& m);
// "黒は1帯には使えません。1帯は 1〜9 の数字（茶〜白）です".
std::string ColourCodeRefusal(const ColourCodeReading& reading);

}  // namespace zen::ja
