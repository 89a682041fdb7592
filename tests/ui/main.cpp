// The widget tests of the presentation components, one class per component.
#include <QApplication>

int RunUiTest(int argc, char** argv);
int RunRgnBtnTest(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = RunUiTest(argc, argv);
  failures += RunRgnBtnTest(argc, argv);
  return failures;
}
