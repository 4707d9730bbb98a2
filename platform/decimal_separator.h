#pragma once

#include <string>

// The decimal separator of the user's regional settings, as UTF-8 ("," in an
// Italian setting, "." in an English one). On Windows it is read from the
// user's locale settings; elsewhere from the C library's numeric locale, so
// the caller must have applied the user's environment first
// (setlocale(LC_NUMERIC, ""); the Qt application object does it). Never
// empty: "." when the setting cannot be read.
std::string DecimalSeparator();
