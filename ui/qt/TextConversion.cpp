#include "ui/qt/TextConversion.h"

#include "platform/Windows1252.h"

namespace netlist {

QString FromWindows1252(std::string_view bytes) {
    return QString::fromStdString(Windows1252ToUtf8(bytes));
}

std::string ToWindows1252(const QString& text) {
    return Utf8ToWindows1252(text.toStdString());
}

}  // namespace netlist
