#pragma once
// Reading what a user types on the command line. The readers live in core, since the five- and
// six-band window reads the same notations; the sub-commands know them by these names.

#include "TextReading.h"

namespace zen::cli {

using zen::ColourWord;
using zen::EnglishName;
using zen::FoldedAndTrimmed;
using zen::FoldWidth;
using zen::IsPinkWord;
using zen::Quoted;
using zen::ReadColour;
using zen::ReadTolerance;
using zen::ReadValue;
using zen::ValueProblem;
using zen::ValueReading;

}  // namespace zen::cli
