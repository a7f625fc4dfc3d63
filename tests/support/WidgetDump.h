// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A window as text, one line per widget in tree order, for comparing with a golden file:
// class, name, geometry, state, accessible name and description, text, drops, background, focus
// policy, alignment, layout spacing and margins; then the tab order, then every menu's and tool
// bar's actions (text, shortcut, state) in order. `hide` is replaced by "<dir>" wherever it shows.

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabBar>
#include <QToolBar>
#include <QTreeView>

namespace testsupport::dump {

inline QString flag(bool on, const char* word)
{
    return on ? ' ' + QLatin1String(word) : QString();
}

inline QString quoted(const char* key, const QString& value)
{
    return value.isEmpty() ? QString() : QStringLiteral(" %1=\"%2\"").arg(key, value);
}

inline QString text(const QWidget& w)
{
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return label->text() + QString::asprintf(" align=0x%x", int(label->alignment())) +
               (label->indent() >= 0 ? QString::asprintf(" indent=%d", label->indent()) : "");
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w))
        return button->text() + flag(button->isChecked(), "[x]");
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w))
        return edit->text() + QString::asprintf(" align=0x%x", int(edit->alignment())) +
               flag(edit->isReadOnly(), "readonly");
    return w.isWindow() ? w.windowTitle() : QString();
}

// Qt's own scroll bar holders and overflow buttons; a scroll area's viewport is kept.
inline bool isQtPart(const QObject& w)
{
    return w.objectName().startsWith(QLatin1String("qt_")) &&
           w.objectName() != QLatin1String("qt_scrollarea_viewport");
}

inline QString label(const QWidget& w)
{
    return !w.objectName().isEmpty() ? w.objectName()
           : text(w).isEmpty()       ? QString::fromLatin1(w.metaObject()->className())
                                     : '"' + text(w) + '"';
}

inline void layout(const QLayout* l, QStringList& out, const QString& indent)
{
    const QMargins m = l->contentsMargins();
    out << indent + QString::asprintf("layout %s spacing=%d margins=%d,%d,%d,%d",
                                      l->metaObject()->className(), l->spacing(), m.left(), m.top(),
                                      m.right(), m.bottom());
    for (int i = 0; i < l->count(); ++i)
        if (QLayout* inner = l->itemAt(i)->layout())
            layout(inner, out, indent + "  ");
}

inline void widget(const QWidget& w, QStringList& out, const QString& indent)
{
    // A drop-down list's accessible name is otherwise its current entry.
    const QAccessibleInterface* a =
        qobject_cast<const QComboBox*>(&w)
            ? nullptr
            : QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&w));
    const QRect g = w.geometry();
    const auto* tabs = qobject_cast<const QTabBar*>(&w);
    const auto* tree = qobject_cast<const QTreeView*>(&w);
    out << indent +
               QString::asprintf("%s \"%s\" %d,%d %dx%d focus=%d", w.metaObject()->className(),
                                 qPrintable(w.objectName()), g.x(), g.y(), g.width(), g.height(),
                                 int(w.focusPolicy())) +
               flag(w.isHidden(), "hidden") + flag(!w.isEnabled(), "disabled") +
               flag(w.acceptDrops(), "drops") + flag(w.autoFillBackground(), "fill") +
               flag(tabs && tabs->drawBase(), "base") +
               flag(tree && tree->rootIsDecorated(), "decorated") +
               quoted("name", a ? a->text(QAccessible::Name) : w.accessibleName()) +
               quoted("desc", a ? a->text(QAccessible::Description) : w.accessibleDescription()) +
               quoted("text", text(w));
    if (w.layout())
        layout(w.layout(), out, indent + "  ");
    // Menus are written with their actions; a scroll bar's parts are Qt's own.
    if (qobject_cast<const QScrollBar*>(&w))
        return;
    for (const QWidget* sub : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!qobject_cast<const QMenu*>(sub) && !isQtPart(*sub))
            widget(*sub, out, indent + "  ");
}

inline void actions(const QString& owner, const QList<QAction*>& list, QStringList& out)
{
    out << owner;
    for (const QAction* a : list)
        out << (a->isSeparator()
                    ? QStringLiteral("  ----")
                    : "  \"" + a->text() + "\" " +
                          a->shortcut().toString(QKeySequence::PortableText) +
                          flag(!a->isEnabled(), "disabled") + flag(a->isCheckable(), "checkable") +
                          flag(a->isChecked(), "checked") + flag(!a->isVisible(), "hidden"));
}

} // namespace testsupport::dump

namespace testsupport {

inline QString dumpWindow(const QWidget& window, const QString& hide = QString())
{
    QStringList out;
    dump::widget(window, out, QString());
    QStringList chain;
    for (const QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !dump::isQtPart(*w))
            chain << dump::label(*w);
    out << "tab order: " + chain.join(' ');
    out << "focus: " + dump::label(window.focusWidget() ? *window.focusWidget() : window);
    dump::actions(QStringLiteral("window actions"), window.actions(), out);
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        dump::actions(QStringLiteral("menu bar"), bar->actions(), out);
    for (const QToolBar* bar : window.findChildren<QToolBar*>())
        dump::actions("tool bar " + bar->objectName(), bar->actions(), out);
    for (const QMenu* menu : window.findChildren<QMenu*>())
        if (!dump::isQtPart(*menu->parent()))
            dump::actions("menu \"" + menu->title() + "\" " + menu->objectName(), menu->actions(),
                          out);
    QString text = out.join('\n') + '\n';
    return hide.isEmpty() ? text : text.replace(hide, QStringLiteral("<dir>"));
}

} // namespace testsupport
