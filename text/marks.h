#pragma once
// Marks an English text for the catalogues where it is only named, as in a table; it is
// translated where it is shown.
constexpr const char* tr_noop(const char* english) { return english; }
constexpr const char* tr_noop_c(const char* /*context*/, const char* english) { return english; }
