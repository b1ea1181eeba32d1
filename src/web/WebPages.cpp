#include "WebPages.h"

#include <algorithm>
#include <cstdio>

#include "Numbers.h"

namespace zen {

namespace {

constexpr const char* kVersion = ZEN_VERSION;

std::string head(const std::string& title) {
  return "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
         "</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n";
}

std::string foot() {
  return std::string("<p class=\"nav\"><a href=\"home.html\">ホームページへ戻る</a></p>\n"
                     "<p class=\"foot\">ZENTARIO Ver ") +
         kVersion + "</p>\n</body>\n</html>\n";
}

std::string swatch(BandColour c) {
  return "<span class=\"swatch\" style=\"background:" + HtmlColour(displayColour(c)) + "\"></span>";
}

std::string colourCell(BandColour c) { return "<td class=\"colour\">" + swatch(c) + std::string(nameText(c)) + "</td>"; }

std::string multiplierText(double m) {
  // The multiplier as the value's factor: ×1, ×10 ... ×1000000000, ×0.1, ×0.01.
  return "×" + GeneralNumberText(m);
}

template <std::size_t N>
bool contains(const std::array<int, N>& series, int value) {
  return std::find(series.begin(), series.end(), value) != series.end();
}

}  // namespace

std::string HtmlColour(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(colour & 0xFF),
                static_cast<unsigned>((colour >> 8) & 0xFF), static_cast<unsigned>((colour >> 16) & 0xFF));
  return text;
}

std::string ColourCodePage() {
  std::string html = head("カラーコード表");
  html +=
      "<h1>抵抗のカラーコード表</h1>\n"
      "<p>4本帯の抵抗は、第1帯と第2帯が値の数字、第3帯が乗数、第4帯が許容差を表します。"
      "たとえば 黄・紫・赤・金 は 47 × 100 = 4700Ω (4.7KΩ)、許容差 ±5% です。</p>\n"
      "<table id=\"colours\">\n<tr><th>色</th><th>数字 (第1・第2帯)</th><th>乗数 (第3帯)</th>"
      "<th>許容差 (第4帯)</th></tr>\n";
  for (const BandColourInfo& c : colourTable()) {
    html += "<tr data-colour=\"" + std::to_string(index(c.colour)) + "\">" + colourCell(c.colour);
    html += "<td>" + (c.digit ? std::to_string(*c.digit) : std::string("—")) + "</td>";
    html += "<td>" + (c.multiplier ? multiplierText(*c.multiplier) : std::string("—")) + "</td>";
    html += "<td>" + (c.toleranceText.empty() ? std::string("—") : "±" + std::string(c.toleranceText) + "%") + "</td>";
    html += "</tr>\n";
  }
  html += "</table>\n";
  html += foot();
  return html;
}

std::string PartsListPage() {
  std::string html = head("抵抗の標準数列 (E6・E12・E24)");
  html +=
      "<h1>抵抗の標準数列 E6・E12・E24</h1>\n"
      "<p>市販の抵抗は、1桁ごと (1Ω〜10Ω、10Ω〜100Ω …) に決まった値の系列で作られています。"
      "E6 は ±20%、E12 は ±10%、E24 は ±5% の許容差に合わせた系列です。"
      "表の2桁に第3帯の乗数を掛けると値になります (例: 47 と 赤 ×100 で 4.7KΩ)。</p>\n"
      "<table id=\"series\">\n<tr><th>値</th><th>E6</th><th>E12</th><th>E24</th><th>第1帯</th><th>第2帯</th></tr>\n";
  for (int value : kE24) {
    const BandColour first = *colourOfDigit(value / 10);
    const BandColour second = *colourOfDigit(value % 10);
    html += "<tr><td>" + std::to_string(value) + "</td>";
    html += std::string("<td>") + (contains(kE6, value) ? "●" : "") + "</td>";
    html += std::string("<td>") + (contains(kE12, value) ? "●" : "") + "</td>";
    html += "<td>●</td>" + colourCell(first) + colourCell(second) + "</tr>\n";
  }
  html += "</table>\n";
  html += "<p>E6: ";
  for (std::size_t i = 0; i < kE6.size(); ++i) html += (i ? ", " : "") + std::to_string(kE6[i]);
  html += "<br>\nE12: ";
  for (std::size_t i = 0; i < kE12.size(); ++i) html += (i ? ", " : "") + std::to_string(kE12[i]);
  html += "<br>\nE24: ";
  for (std::size_t i = 0; i < kE24.size(); ++i) html += (i ? ", " : "") + std::to_string(kE24[i]);
  html += "</p>\n";
  html += foot();
  return html;
}

}  // namespace zen
