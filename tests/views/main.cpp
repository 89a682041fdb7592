// The widget tests of the reading views: the reader and the window list, the dialogs,
// the views of the other books.
#include <QApplication>

int RunViewsTest(int argc, char** argv);
int RunDialogsTest(int argc, char** argv);
int RunOtherBooksTest(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = RunViewsTest(argc, argv);
  failures += RunDialogsTest(argc, argv);
  failures += RunOtherBooksTest(argc, argv);
  return failures;
}
