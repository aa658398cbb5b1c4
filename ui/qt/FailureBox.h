#pragma once

#include <QString>

class QMessageBox;

namespace netlist {

// The message box of a failed start-up, titled with the program's name, for
// the caller to show.
QMessageBox* NewFailureBox(const QString& text);

// Shows the box and returns when the user closed it; makes the application
// object when there is none yet.
void ShowFailureBox(const QString& text);

}  // namespace netlist
