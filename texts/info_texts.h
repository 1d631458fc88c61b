#pragma once

// The long texts of the information windows (UTF-8).

namespace harmtally {

extern const char *const kInstructionsDesigned; // as designed, with double quotes
extern const char *const kInstructionsItalian;  // as the Italian step writes it, single quotes
extern const char *const kInstructionsEnglish;
extern const char *const kAboutItalian;
extern const char *const kAboutEnglish;

} // namespace harmtally
