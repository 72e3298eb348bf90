// Reading the praise quotes "quotes.txt" and the help lines "faq.dat" (the map has its own reader).
#pragma once

namespace core {

// Reads "mappath.dat" (core::load_map), then "quotes.txt" into quote and quote_count: up to
// 99 lines, each trimmed of blanks and cut to 50 characters, blank lines skipped. A missing
// file, or one without a usable line, gives the four built-in quotes.
void load_map_and_quotes();

// The quotes half of load_map_and_quotes.
void load_quotes();

// Reads "faq.dat" into faq_line and faq_count: lines 1..239 as they stand, the rest unread.
// A missing file gives no lines (faq_count 0); the help window then shows empty answers.
void load_faq();

}  // namespace core
