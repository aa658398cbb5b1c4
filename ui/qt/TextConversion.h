// The window shows QStrings; the model, the design library and the report
// hold Windows-1252 bytes. Every text crosses between them here.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace netlist {

QString FromWindows1252(std::string_view bytes);
// Characters without a Windows-1252 form become "?".
std::string ToWindows1252(const QString& text);

}  // namespace netlist
