#include "ui/Announcer.h"

#include <QAccessibleWidget>
#include <mutex>

namespace quintara::ui {
namespace {

QAccessibleInterface* MakeAnnouncerAccessible(const QString& /*className*/, QObject* object) {
  auto* announcer = qobject_cast<Announcer*>(object);
  return announcer != nullptr ? new QAccessibleWidget(announcer, QAccessible::Notification)
                              : nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(MakeAnnouncerAccessible); });
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
