// A one-button message: a heading, a text and "ตกลง", modal over its owner. It stands in
// for the platform's message box so that every dialog button is a region button.
#pragma once

#include <QString>

class QWidget;

namespace lomarin {

void ShowWarning(QWidget* owner, const QString& caption, const QString& text);

}  // namespace lomarin
