#pragma once

// Set-up shared by the option dialog tests.

#include "core/program/PrintSettingsKeys.h"
#include "support/RecordingSurface.h"
#include "support/SettingsSandbox.h"
#include "windows/common/Messages.h"
#include "windows/dialogs/FontChooser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace dialogtest {

using namespace quenbrook;

// A settings store of its own ("Key=Value" entries are in the printing section) and the printer
// the dialogs ask (8 × 10.5 inch printable area, current font Sans 10).
struct Sandbox : testsupport::SettingsSandbox
{
    RecordingSurface printer;
};

// A dialog whose writes are kept in order as "Key=Value" and still reach the store, and whose
// messages are kept instead of shown.
template <class Dialog> class Recorded : public Dialog
{
public:
    using Dialog::Dialog;
    QStringList written;
    QStringList messages;

protected:
    void writeSetting(const QString& key, const QString& value) override
    {
        written << key + '=' + value;
        Dialog::writeSetting(key, value);
    }
    void showMessage(const QString& text, MessageIcon) override { messages << text; }
};

template <class Control> Control* control(const QWidget& dialog, const QString& name)
{
    if (auto* found = dialog.findChild<Control*>(name))
        return found;
    qFatal("no control %s", qPrintable(name));
}

// "cmdOk" clicks a button; "txtSpacing=.25" types into a text box and leaves it, as Tab would.
inline void act(const QWidget& dialog, const QStringList& steps)
{
    for (const QString& step : steps) {
        if (!step.contains('=')) {
            control<QAbstractButton>(dialog, step)->click();
        } else if (auto* box = control<QLineEdit>(dialog, step.section('=', 0, 0))) {
            box->setText(step.section('=', 1));
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(box, &out);
        }
    }
}

} // namespace dialogtest
