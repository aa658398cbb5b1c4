#include "ui/qt/AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/WindowTexts.h"
#include "ui/qt/Artwork.h"
#include "ui/qt/CreditText.h"

namespace netlist {

namespace {
// The box's client area at 96 dpi; it grows only when a large font needs it.
const QSize kClientSize{window::kForm2Client.width, window::kForm2Client.height};
}  // namespace

AboutBox::AboutBox(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromLatin1(window::kForm2Caption));
    setWindowIcon(NetlistIcon());
    // Only the frame's close destroys the box; Ok merely hides it.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(AboutPicture());
    Picture1->setFixedSize(window::kAboutPicture.width, window::kAboutPicture.height);

    Label1 = new QLabel(CreditText(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);

    Label2 = new QLabel(ContactText(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Command1 = new QPushButton(QString::fromLatin1(window::kOkButton), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &AboutBox::Command1_Click);
    // Ok is the box's only control: it has the keyboard whenever the box is active.
    Command1->setFocus();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(Picture1, 0, Qt::AlignHCenter);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addStretch(1);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);

    setFixedSize(sizeHint().expandedTo(kClientSize));
}

void AboutBox::Command1_Click() {
    hide();
}

}  // namespace netlist
