// The About box: a picture, a credit, a contact address and an Ok button.
// Modeless; Ok hides it and keeps it for the next showing, while closing it
// by its frame destroys it.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace netlist {

class AboutBox : public QWidget {
    Q_OBJECT
  public:
    explicit AboutBox(QWidget* parent = nullptr);

    void Command1_Click();

  private:
    QLabel* Picture1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Command1;
};

}  // namespace netlist
