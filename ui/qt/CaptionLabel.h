// A one-line caption whose text comes from the design or the report run: a
// file name, a status message, a net name. Its size does not follow its text,
// so a long text never reshapes the window; a text that does not fit is
// shortened in the middle, and its tooltip shows it whole.
#pragma once

#include <QLabel>

namespace netlist {

class CaptionLabel : public QLabel {
    Q_OBJECT
  public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The text as it fits the current width.
    QString shownText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace netlist
