#include "ui/RulesWindow.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <mutex>

#include "ui/Colours.h"
#include "ui/Twips.h"

namespace quintara::ui {

namespace {

struct RulesLine {
  int y;
  int x;
  bool heading;
  const char* text;
};

// Positions in twips on the text panel; each paragraph's first line is indented. Each line is
// translated on its own, so a translation keeps the same lines and headings.
constexpr std::array<RulesLine, 15> kRules = {{
    {200, 0, true, QT_TRANSLATE_NOOP("RulesWindow", "Comment jouer ?")},
    {500, 100, false,
     QT_TRANSLATE_NOOP("RulesWindow",
                       "pour jouer il suffit de cliquer à l'intersection de deux lignes.")},
    {700, 0, false,
     QT_TRANSLATE_NOOP("RulesWindow",
                       "Il est possible de jouer  plusieurs parties  sur la même feuille,")},
    {900, 0, false,
     QT_TRANSLATE_NOOP("RulesWindow", "mais vous pouvez changer de  feuille au  début de chaque ")},
    {1100, 0, false, QT_TRANSLATE_NOOP("RulesWindow", "partie.")},
    {1300, 100, false,
     QT_TRANSLATE_NOOP("RulesWindow",
                       "Ceux qui n 'aiment pas cliquer pourront utiliser le viseur.")},
    {1700, 0, true, QT_TRANSLATE_NOOP("RulesWindow", "La partie")},
    {1900, 100, false,
     QT_TRANSLATE_NOOP("RulesWindow",
                       "Pour gagner une partie il faut arriver à former un alignement ")},
    {2100, 0, false,
     QT_TRANSLATE_NOOP("RulesWindow",
                       "de cinq points sur  une même ligne ( horizontale, verticale ou  ")},
    {2300, 0, false, QT_TRANSLATE_NOOP("RulesWindow", "diagonale) . ")},
    {2700, 0, true, QT_TRANSLATE_NOOP("RulesWindow", "La manche")},
    // Shown as written, though a set is won at five games.
    {2900, 100, false,
     QT_TRANSLATE_NOOP("RulesWindow",
                       "Le premier joueur qui gagne trois parties remporte la manche.")},
    {3300, 0, true, QT_TRANSLATE_NOOP("RulesWindow", "Le jeu")},
    {3500, 100, false,
     QT_TRANSLATE_NOOP("RulesWindow", "Le vainqueur est celui qui, le premier, remporte trois ")},
    {3700, 0, false, QT_TRANSLATE_NOOP("RulesWindow", "manches.")},
}};

constexpr int kParagraphIndent = 100;

constexpr int kWindowWidth = 6720;
constexpr int kWindowHeight = 5550;
constexpr int kPanelWidth = 6615;
constexpr int kPanelHeight = 6255;
constexpr int kScrollBarFromRight = 360;
constexpr int kScrollBarHeight = 3520;

// A paragraph of the rules as a screen reader meets it: one text of all its lines' words, its
// lines themselves hidden. Orca reads a dialog's labels of three words or more only, and three
// headings and three lines are shorter: read line by line, the sentences broke off half way.
class RulesParagraph : public QWidget {
 public:
  using QWidget::QWidget;
};

class RulesParagraphAccessible : public QAccessibleWidget {
 public:
  explicit RulesParagraphAccessible(QWidget* paragraph)
      : QAccessibleWidget(paragraph, QAccessible::StaticText) {}
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
};

QAccessibleInterface* MakeRulesParagraphAccessible(const QString& /*className*/, QObject* object) {
  auto* paragraph = dynamic_cast<RulesParagraph*>(object);
  return paragraph != nullptr ? new RulesParagraphAccessible(paragraph) : nullptr;
}

// Shrinks a paragraph to its lines and names it with their words, a heading ending in a full
// stop so that it is heard apart from the sentence after it.
void CloseParagraph(QWidget* paragraph, const QString& words) {
  if (paragraph == nullptr) return;
  const QRect lines = paragraph->childrenRect();
  for (QWidget* line : paragraph->findChildren<QWidget*>())
    line->move(line->pos() - lines.topLeft());
  paragraph->setGeometry(lines);
  paragraph->setAccessibleName(words.trimmed());
}

}  // namespace

RulesWindow::RulesWindow(QWidget* parent)
    : QDialog(parent), panel_(new QWidget(this)), scrollBar_(new QScrollBar(Qt::Vertical, this)) {
  setObjectName(QStringLiteral("rulesWindow"));
  setWindowTitle(tr("Quintara  Version 2"));
  setFixedSize(PixelSize(kWindowWidth, kWindowHeight));

  panel_->setObjectName(QStringLiteral("rulesText"));
  panel_->setGeometry(PixelRect(0, 0, kPanelWidth, kPanelHeight));
  UseGameColours(*panel_);

  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(MakeRulesParagraphAccessible); });
  // A heading opens the paragraph under it; any other indented line opens a paragraph.
  QWidget* paragraph = nullptr;
  QString words;
  bool afterHeading = false;
  for (const RulesLine& line : kRules) {
    if (line.heading || (line.x == kParagraphIndent && !afterHeading)) {
      CloseParagraph(paragraph, words);
      paragraph = new RulesParagraph(panel_);
      words.clear();
    }
    afterHeading = line.heading;
    const QString text = QCoreApplication::translate("RulesWindow", line.text);
    words += text.trimmed() + (line.heading && !text.back().isPunct() ? ". " : " ");
    auto* label = new QLabel(text, paragraph);
    QFont font = label->font();
    font.setBold(line.heading);
    font.setUnderline(line.heading);
    label->setFont(font);
    label->move(PixelPoint(line.x, line.y));
    label->adjustSize();
  }
  CloseParagraph(paragraph, words);

  scrollBar_->setObjectName(QStringLiteral("scrollBar"));
  scrollBar_->setRange(0, 2000);
  scrollBar_->setSingleStep(200);
  scrollBar_->setPageStep(600);
  scrollBar_->setValue(0);
  const int barWidth = scrollBar_->sizeHint().width();
  scrollBar_->setGeometry(ToPixels(kWindowWidth - kScrollBarFromRight), 0, barWidth,
                          ToPixels(kScrollBarHeight));
  connect(scrollBar_, &QScrollBar::valueChanged, this, &RulesWindow::scrollTo);

  auto* cancel = new QPushButton(tr("Annuler"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  cancel->adjustSize();
  cancel->move(width() - cancel->width() - 12, height() - cancel->height() - 12);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  cancel->installEventFilter(this);  // it has the focus, and would take the arrows
}

void RulesWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // Without a window manager a size from outside ignores the fixed one; take it back.
  const QSize fixed = PixelSize(kWindowWidth, kWindowHeight);
  if (size() != fixed) {
    QMetaObject::invokeMethod(
        this, [this, fixed] { resize(fixed); }, Qt::QueuedConnection);
  }
}

void RulesWindow::wheelEvent(QWheelEvent* event) {
  QCoreApplication::sendEvent(scrollBar_, event);
}

void RulesWindow::keyPressEvent(QKeyEvent* event) {
  if (!scrollByKey(event->key())) QDialog::keyPressEvent(event);
}

bool RulesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && scrollByKey(static_cast<QKeyEvent*>(event)->key())) {
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool RulesWindow::scrollByKey(int key) {
  switch (key) {
    case Qt::Key_Up: scrollBar_->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case Qt::Key_Down: scrollBar_->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case Qt::Key_PageUp: scrollBar_->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case Qt::Key_PageDown: scrollBar_->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case Qt::Key_Home: scrollBar_->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case Qt::Key_End: scrollBar_->triggerAction(QAbstractSlider::SliderToMaximum); break;
    default: return false;
  }
  return true;
}

void RulesWindow::scrollTo(int value) {
  panel_->move(0, -ToPixels(value));
}

}  // namespace quintara::ui
