#include "ui/Announcer.h"

#include <QAccessibleWidget>

namespace quintara::ui {
namespace {

QAccessibleInterface* MakeAnnouncerAccessible(const QString& /*className*/, QObject* object) {
  auto* announcer = qobject_cast<Announcer*>(object);
  return announcer ? new QAccessibleWidget(announcer, QAccessible::Notification) : nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(MakeAnnouncerAccessible);
    return true;
  }();
  (void)installed;
  setObjectName("announcer");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 0, 0);
  hide();
}

void Announcer::say(const QString& words) {
  if (!QAccessible::isActive() || words.isEmpty()) return;
  // Readers speak a notification as it comes into view, with the name it has then.
  hide();
  setAccessibleName(words);
  show();
}

}  // namespace quintara::ui
