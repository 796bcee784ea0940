#include "ui/SheetAccessible.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWindow>
#include <mutex>

#include "board/Geometry.h"
#include "game/Game.h"
#include "game/SpokenWords.h"
#include "ui/SheetWidget.h"
#include "ui/Translations.h"

namespace quintara::ui {
namespace {

// One intersection of the shown area, in the sheet's table. Its role is a list item's: readers
// (Orca) speak a whole row of a table's cells whenever the row changes, where a player moving
// the cross-hair wants the one crossing it has reached.
class SheetCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  SheetCell(SheetWidget* sheet, int index) : sheet_(sheet), index_(index) {}

  bool isValid() const override { return !sheet_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return isValid() ? sheet_->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(sheet_.data());
  }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
  QAccessible::Role role() const override { return QAccessible::ListItem; }

  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name || !isValid()) return {};
    return QString::fromStdString(
        spoken::IntersectionWords(TranslatedLanguage(), sheet_->game().CurrentSheet(), index_));
  }

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect area = SheetWidget::hitArea(index_);
    return QRect(sheet_->mapToGlobal(area.topLeft()), area.size());
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    state.invalid = !isValid();
    state.focusable = true;
    state.focused = isValid() && sheet_->hasFocus() && sheet_->game().CrossHairIndex() == index_;
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType kind) override {
    return kind == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return spoken::ColumnNumber(index_) - 1; }
  int rowIndex() const override { return spoken::RowNumber(index_) - 1; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<SheetWidget> sheet_;
  int index_;
};

QAccessibleInterface* MakeSheetAccessible(const QString& /*className*/, QObject* object) {
  auto* sheet = qobject_cast<SheetWidget*>(object);
  return sheet != nullptr ? new SheetAccessible(sheet) : nullptr;
}

}  // namespace

SheetAccessible::SheetAccessible(SheetWidget* sheet)
    : QAccessibleWidget(sheet, QAccessible::Table) {}

SheetAccessible::~SheetAccessible() {
  for (const auto& [index, known] : cells_) QAccessible::deleteAccessibleInterface(known.id);
}

void SheetAccessible::Install() {
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(MakeSheetAccessible); });
}

SheetWidget* SheetAccessible::sheetWidget() const {
  return static_cast<SheetWidget*>(widget());
}

const Sheet& SheetAccessible::sheet() const {
  return sheetWidget()->game().CurrentSheet();
}

QAccessibleInterface* SheetAccessible::focusChild() const {
  if (!sheetWidget()->hasFocus()) return nullptr;
  return cellOf(sheetWidget()->game().CrossHairIndex());
}

QAccessibleInterface* SheetAccessible::cellOf(int index) const {
  return cellAt(spoken::RowNumber(index) - 1, spoken::ColumnNumber(index) - 1);
}

void SheetAccessible::tellChangedNames() {
  for (auto& [index, known] : cells_) {
    QAccessibleInterface* cell = QAccessible::accessibleInterface(known.id);
    const QString words = cell->text(QAccessible::Name);
    if (words == known.told) continue;
    known.told = words;
    QAccessibleEvent event(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

int SheetAccessible::rowCount() const {
  return sheet().RowMax() - kFirstPlayableRow + 1;
}

int SheetAccessible::columnCount() const {
  return sheet().ColMax() - kFirstPlayableColumn + 1;
}

QString SheetAccessible::rowDescription(int row) const {
  return QCoreApplication::translate("SheetAccessible", "Ligne %1").arg(row + 1);
}

QString SheetAccessible::columnDescription(int column) const {
  return QCoreApplication::translate("SheetAccessible", "Colonne %1").arg(column + 1);
}

int SheetAccessible::childCount() const {
  return rowCount() * columnCount();
}

QAccessibleInterface* SheetAccessible::child(int position) const {
  if (position < 0 || position >= childCount()) return nullptr;
  return cellAt(position / columnCount(), position % columnCount());
}

QAccessibleInterface* SheetAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
  return cell(IndexOf(row + kFirstPlayableRow, column + kFirstPlayableColumn));
}

int SheetAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (const auto& [index, known] : cells_) {
    if (QAccessible::accessibleInterface(known.id) != child) continue;
    const int row = RowOf(index) - kFirstPlayableRow;
    const int column = ColumnOf(index) - kFirstPlayableColumn;
    if (row >= rowCount() || column >= columnCount()) return -1;
    return row * columnCount() + column;
  }
  return -1;
}

QAccessibleInterface* SheetAccessible::childAt(int x, int y) const {
  const int index = SheetWidget::intersectionAt(sheetWidget()->mapFromGlobal(QPointF(x, y)));
  if (index < 0 || !sheet().InShownArea(index)) return nullptr;
  return cell(index);
}

QAccessibleInterface* SheetAccessible::cell(int index) const {
  const auto known = cells_.find(index);
  if (known != cells_.end()) return QAccessible::accessibleInterface(known->second.id);
  auto* made = new SheetCell(sheetWidget(), index);
  cells_[index] = {QAccessible::registerAccessibleInterface(made), made->text(QAccessible::Name)};
  return made;
}

void* SheetAccessible::interface_cast(QAccessible::InterfaceType kind) {
  if (kind == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(kind);
}

}  // namespace quintara::ui
