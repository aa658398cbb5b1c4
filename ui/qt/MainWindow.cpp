#include "ui/qt/MainWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/WindowTexts.h"
#include "ui/qt/AboutBox.h"
#include "ui/qt/Artwork.h"
#include "ui/qt/CaptionLabel.h"
#include "ui/qt/CreditText.h"
#include "ui/qt/TextConversion.h"

namespace netlist {
namespace {

// The client area below the menu bar at 96 dpi; the window grows only when
// the font needs more room.
const QSize kClientSize{window::kForm1Client.width, window::kForm1Client.height};
const QColor kTitleBackground{window::kTitleGrey, window::kTitleGrey, window::kTitleGrey};

QString latin1Text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

QPushButton* commandButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // No button answers Enter or Escape by itself.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QVBoxLayout* frameLayout(QGroupBox* frame) {
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(2);
    return layout;
}

// The one local file dropped, or nothing.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

}  // namespace

MainWindow::MainWindow(DesignLibrary& library, ReportEnvironment environment, Actions actions,
                       DesignChoice designChoice, QWidget* parent)
    : QMainWindow(parent),
      actions_(std::move(actions)),
      presenter_(*this, library, std::move(environment), std::move(designChoice)) {
    if (!actions_.endProgram) actions_.endProgram = [](int code) { QCoreApplication::exit(code); };
    if (!actions_.warn) {
        actions_.warn = [this](const QString& message) {
            QMessageBox::warning(this, windowTitle(), message);
        };
    }
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(latin1Text(window::kForm1Caption));
    setWindowIcon(NetlistIcon());
    createControls();
    arrangeControls();
    connectControls();
    presenter_.show();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    // Created in keyboard focus order, so the focus chain starts right.
    Start = commandButton(latin1Text(window::kStartButton), QStringLiteral("Start"), central);
    Exit = commandButton(latin1Text(window::kEndButton), QStringLiteral("Exit"), central);

    Frame3 = named(new QGroupBox(latin1Text(window::kDesignByFrame), central), "Frame3");
    Text1 = named(new QLineEdit(Frame3), "Text1");

    Frame4 = named(new QGroupBox(latin1Text(window::kLengthFrame), central), "Frame4");
    Check1 = named(new QCheckBox(latin1Text(window::kLengthCheck), Frame4), "Check1");
    Option1 = named(new QRadioButton(latin1Text(window::kMilsOption), Frame4), "Option1");
    Option2 = named(new QRadioButton(latin1Text(window::kMmOption), Frame4), "Option2");

    Frame5 = named(new QGroupBox(latin1Text(window::kViewFrame), central), "Frame5");
    Option3 = named(new QRadioButton(latin1Text(window::kScreenOption), Frame5), "Option3");
    Option4 = named(new QRadioButton(latin1Text(window::kFileOption), Frame5), "Option4");

    setTabOrder(Start, Exit);
    setTabOrder(Exit, Text1);
    setTabOrder(Text1, Check1);
    setTabOrder(Check1, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, Option3);
    setTabOrder(Option3, Option4);

    Label1 = named(new QLabel(latin1Text(window::kTitle), central), "Label1");
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(13.8);
    Label1->setFont(titleFont);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setContentsMargins(10, 1, 10, 1);
    Label1->setAutoFillBackground(true);
    QPalette titlePalette = Label1->palette();
    titlePalette.setColor(QPalette::Window, kTitleBackground);
    titlePalette.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(titlePalette);

    Label3 = named(new QLabel(central), "Label3");
    Label3->setTextFormat(Qt::PlainText);
    QPalette kindPalette = Label3->palette();
    kindPalette.setColor(QPalette::WindowText, Qt::red);
    Label3->setPalette(kindPalette);
    // Wide enough for the longest kind, so that the title stays put.
    Label3->setFixedWidth(Label3->fontMetrics().horizontalAdvance(latin1Text(window::kWidestKind)) +
                          4);

    Frame1 = named(new QGroupBox(latin1Text(window::kDesignNameFrame), central), "Frame1");
    status_label3 = named(new CaptionLabel(Frame1), "status_label3");
    Frame2 = named(new QGroupBox(latin1Text(window::kStatusFrame), central), "Frame2");
    status_label = named(new CaptionLabel(Frame2), "status_label");

    Label4 =
        named(new QLabel(CreditText() + QStringLiteral(", ") + ContactText(), central), "Label4");
    Label4->setAlignment(Qt::AlignCenter);

    if (presenter_.offersDesignFiles()) {
        Open = menuBar()->addAction(FromWindows1252(window::kOpenMenu));
        Open->setObjectName(QStringLiteral("Open"));
        setAcceptDrops(true);
        designSource = named(new CaptionLabel(this), "designSource");
        statusBar()->setSizeGripEnabled(false);
        statusBar()->addWidget(designSource, 1);
    }
    About = menuBar()->addAction(latin1Text(window::kAboutMenu));
    About->setObjectName(QStringLiteral("About"));
    // The first control a keyboard user meets, as long as it is enabled.
    Start->setFocus();
}

void MainWindow::arrangeControls() {
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(Label3);
    titleRow->addStretch(1);
    titleRow->addWidget(Label1);
    titleRow->addStretch(1);
    // Balances Label3, so that the title is centred on the window.
    titleRow->addSpacing(Label3->width());

    frameLayout(Frame3)->addWidget(Text1);
    frameLayout(Frame1)->addWidget(status_label3);
    frameLayout(Frame2)->addWidget(status_label);
    auto* leftColumn = new QVBoxLayout;
    for (QGroupBox* frame : {Frame3, Frame1, Frame2}) leftColumn->addWidget(frame);

    QVBoxLayout* viewOptions = frameLayout(Frame5);
    viewOptions->addWidget(Option4);
    viewOptions->addWidget(Option3);
    QVBoxLayout* lengthOptions = frameLayout(Frame4);
    lengthOptions->addWidget(Check1);
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(Option1);
    unitRow->addStretch(1);
    unitRow->addWidget(Option2);
    unitRow->addStretch(1);
    lengthOptions->addLayout(unitRow);
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(Frame5);
    rightColumn->addWidget(Frame4);
    rightColumn->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(leftColumn, 2);
    columns->addLayout(rightColumn, 1);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(Start);
    buttonRow->addWidget(Exit);
    buttonRow->addStretch(1);

    auto* layout = new QVBoxLayout(centralWidget());
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(titleRow);
    layout->addLayout(columns);
    layout->addStretch(1);
    layout->addWidget(Label4);
    layout->addLayout(buttonRow);

    const QSize client = centralWidget()->sizeHint().expandedTo(kClientSize);
    centralWidget()->setMinimumSize(client);
    setFixedSize(sizeHint());
}

void MainWindow::connectControls() {
    MainWindowPresenter& presenter = presenter_;
    connect(About, &QAction::triggered, this, [&presenter] { presenter.about(); });
    if (Open) connect(Open, &QAction::triggered, this, [&presenter] { presenter.open(); });
    connect(Start, &QPushButton::clicked, this, [&presenter] { presenter.start(); });
    connect(Exit, &QPushButton::clicked, this, [&presenter] { presenter.end(); });
    connect(Check1, &QCheckBox::clicked, this,
            [&presenter](bool ticked) { presenter.lengthsClicked(ticked); });
    connect(Text1, &QLineEdit::textEdited, this,
            [&presenter](const QString& text) { presenter.designerEdited(ToWindows1252(text)); });
    // One button of each pair speaks for its group: exactly one of the two is
    // selected at any time.
    connect(Option1, &QRadioButton::toggled, this,
            [&presenter](bool selected) { presenter.unitChosen(selected); });
    connect(Option3, &QRadioButton::toggled, this,
            [&presenter](bool selected) { presenter.viewChosen(selected); });
}

void MainWindow::showState(const WindowState& state) {
    Label3->setText(FromWindows1252(state.kindCaption));
    status_label->setText(FromWindows1252(state.statusText));
    status_label3->setText(FromWindows1252(state.designNameShown));
    // Leaves the box alone while it holds what the state holds, so that
    // typing is not disturbed and characters the report cannot hold stay
    // visible as typed.
    if (ToWindows1252(Text1->text()) != state.designerName)
        Text1->setText(FromWindows1252(state.designerName));

    Start->setEnabled(state.startEnabled);
    Check1->setChecked(state.lengthsWanted);
    Check1->setEnabled(state.lengthsEnabled);
    (state.unitIsMils ? Option1 : Option2)->setChecked(true);
    Option1->setEnabled(state.unitEnabled);
    Option2->setEnabled(state.unitEnabled);
    (state.openInViewer ? Option3 : Option4)->setChecked(true);
    Option3->setEnabled(state.viewChoiceEnabled);
    Option4->setEnabled(state.viewChoiceEnabled);
}

void MainWindow::showDesignSource(const std::string& notice) {
    if (designSource)
        designSource->setText(QDir::toNativeSeparators(QString::fromStdString(notice)));
}

void MainWindow::paintNow() {
    centralWidget()->repaint();
}

void MainWindow::warn(const std::string& message) {
    actions_.warn(QString::fromStdString(message));
}

std::filesystem::path MainWindow::chooseDesignFile(const std::filesystem::path& current) {
    QString file;
    if (actions_.chooseDesignFile) {
        file = actions_.chooseDesignFile();
    } else {
        const QString folder = current.empty()
                                   ? QDir::currentPath()
                                   : QFile::decodeName(current.parent_path().string().c_str());
        file = QFileDialog::getOpenFileName(
            this, FromWindows1252(window::kOpenTitle), folder,
            QStringLiteral("Designs (*.kicad_pcb *.net *.ipc *.d356 *.356 *.json);;All files (*)"));
    }
    if (file.isEmpty()) return {};
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

void MainWindow::showAboutBox() {
    if (!aboutBox_) aboutBox_ = new AboutBox(this);
    aboutBox_->show();
}

AboutBox* MainWindow::aboutBox() const {
    return aboutBox_.data();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (presenter_.takesDesignFiles() && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    presenter_.openDesign(std::filesystem::path(QFile::encodeName(file).toStdString()));
}

void MainWindow::setInputEnabled(bool enabled) {
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
}

void MainWindow::endProgram(int exitCode) {
    setInputEnabled(false);
    actions_.endProgram(exitCode);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing by the frame ends the program as it stands: the session is
    // left to the design library, as the user did not press End.
    event->accept();
    if (aboutBox_) aboutBox_->close();
    presenter_.frameClosed();
}

}  // namespace netlist
