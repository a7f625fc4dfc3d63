#pragma once

#include <QString>

class QWidget;

namespace quenbrook {

// The program's title on every message box.
inline constexpr char16_t ApplicationTitle[] = u"Quenbrook";

enum class MessageIcon { None, Information, Critical };

// A message box titled with the program's name, with an OK button; returns when it is closed.
void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon);

} // namespace quenbrook
