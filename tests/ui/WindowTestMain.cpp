// The window's tests in one program, class after class. Test functions named on the command line
// run in the classes that have them; the others are passed over.
#include <QApplication>
#include <QTest>
#include <memory>
#include <vector>

std::unique_ptr<QObject> NewWindowTest();
std::unique_ptr<QObject> NewHelpersTest();
std::unique_ptr<QObject> NewLanguageTest();

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList arguments = QApplication::arguments();
  std::vector<std::unique_ptr<QObject>> tests;
  tests.push_back(NewWindowTest());
  tests.push_back(NewHelpersTest());
  tests.push_back(NewLanguageTest());
  int failed = 0;
  for (const std::unique_ptr<QObject>& test : tests) {
    QStringList own{arguments.first()};
    int named = 0;
    int ours = 0;
    for (const QString& argument : arguments.mid(1)) {
      const bool name = !argument.startsWith('-');
      const bool found =
          test->metaObject()->indexOfSlot((argument.toUtf8() + "()").constData()) >= 0;
      named += name ? 1 : 0;
      ours += name && found ? 1 : 0;
      if (!name || found) own << argument;
    }
    if (named == 0 || ours > 0) failed += QTest::qExec(test.get(), own);
  }
  return failed;
}
