#include "leveleditor/main_window.hpp"

#include "engine/engine.hpp"
#include "leveleditor/arrow_label.hpp"
#include "leveleditor/dialogs.hpp"
#include "leveleditor/map_view.hpp"
#include "leveleditor/view_renderer.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

#include <string>

namespace leveleditor {
namespace {

constexpr int kColumnWidth = 176;
constexpr int kMargin = 8;
constexpr int kInner = kColumnWidth - 2 * kMargin;
constexpr int kHalf = (kInner - 4) / 2;
constexpr int kListTop = 54;
constexpr int kListHeight = 196;

// The Czech caption of the mask check box is longer than the column: a smaller face keeps it
// whole.
void fitCaption(QCheckBox* box, const QFont& normal) {
    QFont font = normal;
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                          box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
                          8;
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font, box).horizontalAdvance(box->text()) + indicator > box->width()) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    box->setFont(font);
}

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

MainWindow::MainWindow(EditorPaths paths, Dialogs& dialogs, EditorConfig config, QWidget* parent)
    : QWidget(parent), paths_(std::move(paths)), dialogs_(dialogs), config_(config) {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(kColumnWidth + MapView::kWidth, MapView::kHeight);
    buildControls();
    applyCaptions();
    resetDocument();
    frameTimer_ = new QTimer(this);
    // One frame per display refresh: the controls stay responsive between frames, and an idle
    // editor does not keep a core busy as an empty-queue timer would.
    frameTimer_->setTimerType(Qt::PreciseTimer);
    frameTimer_->setInterval(16);
    connect(frameTimer_, &QTimer::timeout, this, &MainWindow::runFrame);
}

MainWindow::~MainWindow() {
    // The fields lose their focus while they are taken down: nothing is left to check then.
    for (QLineEdit* edit : fieldEdits_) {
        edit->removeEventFilter(this);
    }
}

void MainWindow::buildControls() {
    label1_ = named(new QLabel(this), "Label1");
    label1_->setGeometry(kMargin, 6, kInner, 16);
    combo1_ = named(new QComboBox(this), "Combo1");
    combo1_->setGeometry(kMargin, 24, kInner, 24);
    for (int map = 1; map <= common::kMapCount; ++map) {
        combo1_->addItem(QString());
    }
    connect(combo1_, &QComboBox::currentIndexChanged, this, &MainWindow::onMapChosen);

    list1_ = named(new QListWidget(this), "List1");
    list1_->setGeometry(kMargin, kListTop, kInner, kListHeight);
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int) { showSelection(); });

    static constexpr std::array<const char*, 3> kLabelNames = {"Label2", "Label3", "Label4"};
    static constexpr std::array<const char*, 3> kEditNames = {"Text1", "Text2", "Text3"};
    for (std::size_t i = 0; i < fieldEdits_.size(); ++i) {
        const int top = 258 + static_cast<int>(i) * 26;
        fieldLabels_[i] = named(new QLabel(this), kLabelNames[i]);
        fieldLabels_[i]->setGeometry(kMargin, top, 98, 22);
        auto* edit = named(new QLineEdit(this), kEditNames[i]);
        edit->setGeometry(kMargin + 100, top, kInner - 100, 22);
        edit->setMaxLength(12);
        edit->installEventFilter(this);
        const auto field = static_cast<Field>(i);
        connect(edit, &QLineEdit::returnPressed, this, [this, field] { checkField(field); });
        connect(edit, &QLineEdit::textEdited, this, [this] { document_.changed = true; });
        fieldEdits_[i] = edit;
    }

    label7_ = named(new QLabel(this), "Label7");
    label7_->setGeometry(kMargin, 340, 70, 22);
    label5_ = named(new QLabel(this), "Label5");
    label5_->setGeometry(kMargin + 70, 340, 44, 22);
    label8_ = named(new QLabel(this), "Label8");
    label8_->setGeometry(kMargin, 366, 70, 22);
    label6_ = named(new QLabel(this), "Label6");
    label6_->setGeometry(kMargin + 70, 366, 44, 22);
    static constexpr std::array<const char*, 4> kArrowNames = {"Label9", "Label10", "Label11",
                                                               "Label12"};
    for (int arrow = 0; arrow < ArrowRepeat::arrowCount; ++arrow) {
        auto* label = named(new ArrowLabel(this), kArrowNames[static_cast<std::size_t>(arrow)]);
        label->setText(arrow % 2 == 0 ? QStringLiteral("+") : QStringLiteral("-"));
        label->setGeometry(kMargin + 116 + (arrow % 2) * 23, arrow < 2 ? 340 : 366, 21, 22);
        const auto which = static_cast<ArrowRepeat::Arrow>(arrow);
        connect(label, &ArrowLabel::pressed, this, [this, which] { pressArrow(which); });
        connect(label, &ArrowLabel::released, this, [this, which] { releaseArrow(which); });
        arrowLabels_[static_cast<std::size_t>(arrow)] = label;
    }

    check1_ = named(new QCheckBox(this), "Check1");
    check1_->setGeometry(kMargin, 394, kInner, 22);
    connect(check1_, &QCheckBox::clicked, this, [this] { maskDisplay_ = !maskDisplay_; });

    command5_ = named(new QPushButton(this), "Command5");
    command5_->setGeometry(kMargin, 422, kInner, 26);
    connect(command5_, &QPushButton::clicked, this, &MainWindow::openKindChooser);
    command6_ = named(new QPushButton(this), "Command6");
    command6_->setGeometry(kMargin, 450, kInner, 26);
    connect(command6_, &QPushButton::clicked, this, &MainWindow::deleteSelectedEnemy);
    command7_ = named(new QPushButton(this), "Command7");
    command7_->setGeometry(kMargin, 486, kHalf, 26);
    connect(command7_, &QPushButton::clicked, this, &MainWindow::newLevel);
    command4_ = named(new QPushButton(this), "Command4");
    command4_->setGeometry(kMargin + kHalf + 4, 486, kHalf, 26);
    connect(command4_, &QPushButton::clicked, this, &MainWindow::openLevel);
    command3_ = named(new QPushButton(this), "Command3");
    command3_->setGeometry(kMargin, 514, kHalf, 26);
    connect(command3_, &QPushButton::clicked, this, [this] { saveAs(); });
    command2_ = named(new QPushButton(this), "Command2");
    command2_->setGeometry(kMargin + kHalf + 4, 514, kHalf, 26);
    connect(command2_, &QPushButton::clicked, this, &MainWindow::deleteLevel);
    command1_ = named(new QPushButton(this), "Command1");
    command1_->setGeometry(kMargin, 542, kInner, 26);
    connect(command1_, &QPushButton::clicked, this, &MainWindow::endRequested);

    option1_ = named(new QRadioButton(this), "Option1");
    option1_->setGeometry(kMargin, 574, kHalf, 20);
    connect(option1_, &QRadioButton::clicked, this, [this] { setLanguage(Language::czech); });
    option2_ = named(new QRadioButton(this), "Option2");
    option2_->setGeometry(kMargin + kHalf + 4, 574, kHalf, 20);
    connect(option2_, &QRadioButton::clicked, this, [this] { setLanguage(Language::english); });

    // The kind chooser lies over the object list, which it disables while it is shown.
    chooser_ = new QWidget(this);
    chooser_->setObjectName(QStringLiteral("kindChooser"));
    chooser_->setGeometry(kMargin, kListTop, kInner, kListHeight);
    chooser_->setAutoFillBackground(true);
    list2_ = named(new QListWidget(chooser_), "List2");
    list2_->setGeometry(0, 0, kInner, kListHeight - 32);
    for (int kind = 1; kind <= 4; ++kind) {
        list2_->addItem(QString());
    }
    connect(list2_, &QListWidget::itemDoubleClicked, this, [this] { closeKindChooser(true); });
    command8_ = named(new QPushButton(chooser_), "Command8");
    command8_->setGeometry(0, kListHeight - 28, kHalf, 26);
    connect(command8_, &QPushButton::clicked, this, [this] { closeKindChooser(true); });
    command9_ = named(new QPushButton(chooser_), "Command9");
    command9_->setGeometry(kHalf + 4, kListHeight - 28, kHalf, 26);
    connect(command9_, &QPushButton::clicked, this, [this] { closeKindChooser(false); });
    list2_->hide();
    command8_->hide();
    command9_->hide();
    chooser_->hide();

    view_ = new MapView(this);
    view_->move(kColumnWidth, 0);
}

void MainWindow::applyCaptions() {
    const Language l = language_;
    setWindowTitle(text(l, Text::title));
    label1_->setText(text(l, Text::mapLabel));
    for (int map = 1; map <= common::kMapCount; ++map) {
        combo1_->setItemText(map - 1, mapItem(l, map));
    }
    fieldLabels_[0]->setText(text(l, Text::enemyX));
    fieldLabels_[1]->setText(text(l, Text::enemyY));
    fieldLabels_[2]->setText(text(l, Text::enemyAngle));
    label7_->setText(text(l, Text::bubbles));
    label8_->setText(text(l, Text::time));
    check1_->setText(text(l, Text::showMask));
    fitCaption(check1_, font());
    command7_->setText(text(l, Text::newLevel));
    command4_->setText(text(l, Text::open));
    command3_->setText(text(l, Text::saveAs));
    command2_->setText(text(l, Text::deleteLevel));
    command5_->setText(text(l, Text::addEnemy));
    command6_->setText(text(l, Text::deleteEnemy));
    command1_->setText(text(l, Text::end));
    command8_->setText(text(l, Text::ok));
    command9_->setText(text(l, Text::cancel));
    option1_->setText(text(l, Text::czech));
    option2_->setText(text(l, Text::english));
    for (int kind = 1; kind <= 4; ++kind) {
        list2_->item(kind - 1)->setText(kindName(l, kind));
    }
    (l == Language::czech ? option1_ : option2_)->setChecked(true);
}

void MainWindow::setLanguage(Language language) {
    const Language previous = language_;
    language_ = language;
    applyCaptions();
    // Items that read as our own text in the other language follow the switch.
    for (int row = 0; row < list1_->count(); ++row) {
        QListWidgetItem* item = list1_->item(row);
        if (row == 0) {
            if (item->text() == text(previous, Text::flyItem)) {
                item->setText(text(language, Text::flyItem));
            }
            continue;
        }
        const int kind = document_.level.enemies[static_cast<std::size_t>(row - 1)].kind;
        if (item->text() == enemyItem(previous, row, kind)) {
            item->setText(enemyItem(language, row, kind));
        }
    }
}

bool MainWindow::startView() {
    std::string error;
    engine::DisplayConfig display;
    display.backend = engine::Backend::Surface;
    display.title = "Brimzel - Level editor";
    display.width = MapView::kWidth;
    display.height = MapView::kHeight;
    const auto create = config_.createEngine ? config_.createEngine : engine::Engine::create;
    engine_ = create(display, error);
    if (!engine_) {
        dialogs_.inform(this, viewFailedMessage(QString::fromStdString(error)));
        return false;
    }
    if (config_.scriptedMsPerFrame > 0) {
        engine_->useScriptedClock(config_.scriptedMsPerFrame);
    }
    engine_->setSearchDirectory((paths_.root() / "").string());
    view_->setEngine(engine_.get());
    renderer_ = std::make_unique<ViewRenderer>(*engine_);
    renderer_->showLoadingScreen();
    view_->repaint();
    renderer_->loadTextures();
    return true;
}

bool MainWindow::start() {
    if (!startView()) {
        // Without its view the editor has nothing to edit with: it ends as a failed start,
        // leaving the options file alone.
        close();
        return false;
    }
    readOptions();
    resetDocument();
    applyCaptions();
    running_ = true;
    if (config_.frameLoop) {
        frameTimer_->start();
    }
    return true;
}

void MainWindow::runFrame() {
    if (!running_ || !engine_) {
        return;
    }
    engine_->pumpEvents(); // the mouse as this frame reads it
    engine_->clear();
    if (document_.level.map == 0) {
        renderer_->drawWithoutMap(engine_->elapsedMs());
    } else {
        renderer_->drawLevel(document_.level, maskDisplay_);
        runArrowSteps();
    }
    if (!chooserShown()) {
        handleMouse();
    }
    enableSaveAsWhenReady();
    engine_->present();
    view_->update();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Switching to another program or opening a popup is no leaving of the field.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (std::size_t i = 0; i < fieldEdits_.size(); ++i) {
                if (watched == fieldEdits_[i]) {
                    checkField(static_cast<Field>(i));
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace leveleditor
