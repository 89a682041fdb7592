// The application object. It is the event-loop boundary for errors: an exception that no
// operation handled ends the current user action, is shown in one message box with its
// text, and the program goes on.
#pragma once

#include <QApplication>
#include <functional>

namespace lomarin {

class LomarinApplication : public QApplication {
 public:
  LomarinApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Shows an error's text; a message box unless replaced (tests record the text instead).
  using ErrorReport = std::function<void(const QString& text)>;
  static void SetErrorReport(ErrorReport report);
  static void ReportError(const QString& text);
};

}  // namespace lomarin
