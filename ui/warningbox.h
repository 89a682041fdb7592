// Plain modal messages over their owner: a heading, a text and region buttons. They
// stand in for the platform's message box (and, until it exists, the skinned one) so
// that every dialog button is a region button.
#pragma once

#include <QString>

class QWidget;

namespace lomarin {

// One button, "ตกลง"; Enter and Esc close it.
void ShowWarning(QWidget* owner, const QString& caption, const QString& text);

// Two buttons; true when `yes` was chosen. `yes` has the focus, `no` answers Esc.
bool AskQuestion(QWidget* owner, const QString& caption, const QString& text, const QString& yes, const QString& no);

}  // namespace lomarin
