#include "ui/qt/FailureBox.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>
#include <optional>

#include "ui/qt/Artwork.h"

namespace netlist {

QMessageBox* NewFailureBox(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("netlist-report"), text,
                                QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setWindowIcon(NetlistIcon());
    return box;
}

void ShowFailureBox(const QString& text) {
    static int argc = 1;
    static char name[] = "netlist-report";
    static char* argv[] = {name, nullptr};
    std::optional<QApplication> application;
    if (!QApplication::instance()) application.emplace(argc, argv);
    const std::unique_ptr<QMessageBox> box(NewFailureBox(text));
    box->exec();
}

}  // namespace netlist
