#pragma once

#include <QAccessibleWidget>
#include <map>

namespace quintara {
class Sheet;
}

namespace quintara::ui {

class SheetWidget;

// The sheet as a screen reader meets it: a table of the shown area's intersections, one cell
// per intersection named by what lies there, so that a reader's table navigation and review
// tell where the points are. The cells are made when a reader first asks for them.
class SheetAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit SheetAccessible(SheetWidget* sheet);
  ~SheetAccessible() override;
  Q_DISABLE_COPY_MOVE(SheetAccessible)

  // Lets Qt build this interface for every SheetWidget; once per program.
  static void Install();

  QAccessible::Role role() const override { return QAccessible::Table; }
  int childCount() const override;
  QAccessibleInterface* child(int position) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  // The cross-hair's cell, while the sheet has the keyboard focus.
  QAccessibleInterface* focusChild() const override;
  void* interface_cast(QAccessible::InterfaceType kind) override;

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override;
  int rowCount() const override;
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int /*column*/) const override { return false; }
  bool isRowSelected(int /*row*/) const override { return false; }
  bool selectRow(int /*row*/) override { return false; }
  bool selectColumn(int /*column*/) override { return false; }
  bool unselectRow(int /*row*/) override { return false; }
  bool unselectColumn(int /*column*/) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

  // The cell of an intersection of the shown area, or nullptr.
  QAccessibleInterface* cellOf(int index) const;
  // Readers keep the names they have read: each cell made whose words changed since it last
  // told them says so now.
  void tellChangedNames();

 private:
  SheetWidget* sheetWidget() const;
  const Sheet& sheet() const;
  // The cell of an intersection, made once and kept while the sheet lives.
  QAccessibleInterface* cell(int index) const;

  struct KnownCell {
    QAccessible::Id id = 0;
    QString told;  // its words when made or when it last told a change
  };
  mutable std::map<int, KnownCell> cells_;
};

}  // namespace quintara::ui
