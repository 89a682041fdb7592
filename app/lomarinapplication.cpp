#include "lomarinapplication.h"

#include <QMessageBox>
#include <exception>


namespace lomarin {
namespace {

LomarinApplication::ErrorReport& Report() {
  static LomarinApplication::ErrorReport report = [](const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
  };
  return report;
}

}  // namespace

LomarinApplication::LomarinApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Lomarin"));
}

bool LomarinApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {  // FileError ("Cannot open file PATH") among them
    ReportError(QString::fromUtf8(e.what()));
  }
  return true;
}

void LomarinApplication::SetErrorReport(ErrorReport report) { Report() = std::move(report); }

void LomarinApplication::ReportError(const QString& text) { Report()(text); }

}  // namespace lomarin
