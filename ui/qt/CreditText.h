// Who wrote the program and where to reach them, as both windows show it. The
// address is the report's own, so the two never disagree.
#pragma once

#include <QString>

#include "ui/WindowTexts.h"

namespace netlist {

inline QString CreditText() {
    return QString::fromLatin1(window::kCreditText);
}
inline QString ContactText() {
    return QString::fromLatin1(window::kContactAddress);
}

}  // namespace netlist
