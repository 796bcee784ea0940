#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace quintara::ui {

// A plain bar of one colour that marks a side: green for the first player, red for the second.
QWidget* NewColourBar(const QString& name, const QColor& colour, QWidget* parent);

}  // namespace quintara::ui
