#pragma once

// A window as text, one line per widget in tree order, for comparing with a golden file:
// class, name, geometry, state, accessible name and description, text, drops, background, focus
// policy, alignment, layout spacing and margins; then the tab order, then every menu's and tool
// bar's actions (text, shortcut, state) in order. `hide` is replaced by "<dir>" wherever it shows.

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolBar>

namespace testsupport {

namespace dump {

inline QString quoted(const char* key, const QString& value)
{
    return value.isEmpty() ? QString() : QStringLiteral(" %1=\"%2\"").arg(key, value);
}

inline QString flag(bool on, const char* word)
{
    return on ? ' ' + QLatin1String(word) : QString();
}

inline QString alignment(const QWidget& w)
{
    int align = -1;
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        align = int(label->alignment());
    else if (const auto* edit = qobject_cast<const QLineEdit*>(&w))
        align = int(edit->alignment());
    return align < 0 ? QString() : QStringLiteral(" align=0x%1").arg(align, 0, 16);
}

inline QString text(const QWidget& w)
{
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w))
        return button->text() + (button->isChecked() ? QStringLiteral(" [x]") : QString());
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w))
        return edit->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&w))
        return group->title();
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
    if (!w.objectName().isEmpty())
        return w.objectName();
    const QString shown = text(w);
    return shown.isEmpty() ? QString::fromLatin1(w.metaObject()->className()) : '"' + shown + '"';
}

inline void layout(const QLayout* l, QStringList& out, const QString& indent)
{
    const QMargins m = l->contentsMargins();
    out << indent + QStringLiteral("layout %1 spacing=%2 margins=%3,%4,%5,%6 align=0x%7")
                        .arg(l->metaObject()->className())
                        .arg(l->spacing())
                        .arg(m.left())
                        .arg(m.top())
                        .arg(m.right())
                        .arg(m.bottom())
                        .arg(int(l->alignment()), 0, 16);
    for (int i = 0; i < l->count(); ++i) {
        QLayoutItem* item = l->itemAt(i);
        if (item->layout())
            layout(item->layout(), out, indent + "  ");
        else if (item->widget() && item->alignment())
            out << indent + QStringLiteral("  item %1 align=0x%2")
                                .arg(label(*item->widget()))
                                .arg(int(item->alignment()), 0, 16);
    }
}

inline void widget(const QWidget& w, QStringList& out, const QString& indent)
{
    // A drop-down list's accessible name is otherwise its current entry.
    const QAccessibleInterface* a =
        qobject_cast<const QComboBox*>(&w)
            ? nullptr
            : QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&w));
    const QRect g = w.geometry();
    out << indent +
               QStringLiteral("%1 \"%2\" %3,%4 %5x%6")
                   .arg(w.metaObject()->className(), w.objectName())
                   .arg(g.x())
                   .arg(g.y())
                   .arg(g.width())
                   .arg(g.height()) +
               flag(w.isHidden(), "hidden") + flag(!w.isEnabled(), "disabled") +
               quoted("name", a ? a->text(QAccessible::Name) : w.accessibleName()) +
               quoted("desc", a ? a->text(QAccessible::Description) : w.accessibleDescription()) +
               quoted("text", text(w)) + QStringLiteral(" focus=%1").arg(int(w.focusPolicy())) +
               flag(w.acceptDrops(), "drops") + flag(w.autoFillBackground(), "fill") + alignment(w);
    if (w.layout())
        layout(w.layout(), out, indent + "  ");
    // Menus are written with their actions; a scroll bar's parts are Qt's own.
    if (qobject_cast<const QScrollBar*>(&w))
        return;
    for (const QObject* child : w.children()) {
        const auto* sub = qobject_cast<const QWidget*>(child);
        if (sub && !qobject_cast<const QMenu*>(sub) && !isQtPart(*sub))
            widget(*sub, out, indent + "  ");
    }
}

inline void actions(const QString& owner, const QList<QAction*>& list, QStringList& out)
{
    out << owner;
    for (const QAction* action : list) {
        out << (action->isSeparator()
                    ? QStringLiteral("  ----")
                    : QStringLiteral("  \"%1\" %2")
                              .arg(action->text(),
                                   action->shortcut().toString(QKeySequence::PortableText)) +
                          flag(!action->isEnabled(), "disabled") +
                          flag(action->isCheckable(), "checkable") +
                          flag(action->isChecked(), "checked") +
                          flag(!action->isVisible(), "hidden"));
    }
}

} // namespace dump

inline QString dumpWindow(const QWidget& window, const QString& hide = QString())
{
    QStringList out;
    dump::widget(window, out, QString());
    QStringList chain;
    for (const QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !dump::isQtPart(*w))
            chain << dump::label(*w);
    out << QStringLiteral("tab order: ") + chain.join(' ');
    dump::actions(QStringLiteral("window actions"), window.actions(), out);
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>())
        dump::actions(QStringLiteral("menu bar"), bar->actions(), out);
    for (const QToolBar* bar : window.findChildren<QToolBar*>())
        dump::actions(QStringLiteral("tool bar ") + bar->objectName(), bar->actions(), out);
    for (const QMenu* menu : window.findChildren<QMenu*>())
        if (!dump::isQtPart(*menu->parent()))
            dump::actions(QStringLiteral("menu \"%1\" %2").arg(menu->title(), menu->objectName()),
                          menu->actions(), out);
    QString text = out.join('\n') + '\n';
    return hide.isEmpty() ? text : text.replace(hide, QStringLiteral("<dir>"));
}

} // namespace testsupport
