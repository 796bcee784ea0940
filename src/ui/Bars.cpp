#include "ui/Bars.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/Colours.h"
#include "ui/Twips.h"

namespace quintara::ui {

Bar::Bar(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  // A click on a bar hands the keyboard focus back to the sheet (see ClientArea).
  setFocusPolicy(Qt::ClickFocus);
}

// Painted here: a style sheet's background turns a widget's own filling off.
void Bar::paintEvent(QPaintEvent* event) {
  QPainter(this).fillRect(event->rect(), kWindowBackground);
}

TopBar::TopBar(QWidget* parent) : Bar("TopBar", parent), levelText_(new QLabel(this)) {
  levelText_->setObjectName("levelText");
  levelText_->setGeometry(PixelRect(840, 120, 6480, 300));
}

void TopBar::showLevel(int level) {
  levelText_->setText(tr("Niveau %1").arg(level));
}

StatusBar::StatusBar(QWidget* parent) : Bar("StatusBar", parent), message_(new QLabel(this)) {
  message_->setObjectName("hoverMessage");
  message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  message_->setTextFormat(Qt::PlainText);
}

void StatusBar::showHover(bool overPlayable) {
  message_->setText(overPlayable ? QString() : tr("      Vous survolez une zone non jouable"));
  message_->adjustSize();
}

}  // namespace quintara::ui
