// Who wrote the program and where to reach them, as both windows show it. The
// address is the report's own, so the two never disagree.
#pragma once

#include <QString>

#include "report/Credits.h"

namespace netlist {

inline QString CreditText() {
    return QStringLiteral("Written by the netlist-report developers");
}
inline QString ContactText() {
    return QString::fromLatin1(kContactText);
}

}  // namespace netlist
