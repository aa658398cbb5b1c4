// What the user's locale says about numbers and dates, through ICU. ICU's
// default locale follows LANG/LC_ALL (on Windows the user's settings).
#pragma once

#include <string>

namespace netlist {

// The decimal separator of the user's locale, as Windows-1252 text.
const std::string& LocaleDecimalSeparator();

}  // namespace netlist
