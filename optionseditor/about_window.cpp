#include "optionseditor/about_window.hpp"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace optionseditor {

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    text_ = new QLabel(this);
    text_->setObjectName("Label1");
    text_->setAlignment(Qt::AlignCenter);
    text_->setMargin(12);
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName("Command1");
    okButton_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    connect(okButton_, &QPushButton::clicked, this, &QWidget::close);
}

void AboutWindow::showAbout(Language language) {
    const EditorTexts& texts = editorTexts(language);
    setWindowTitle(QString::fromUtf8(texts.aboutTitle));
    text_->setText(QString::fromUtf8(texts.aboutText));
    show();
    raise();
    activateWindow();
}

void AboutWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace optionseditor
