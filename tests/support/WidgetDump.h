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

inline QString quoted(const QString& key, const QString& value)
{
    return value.isEmpty() ? QString() : QStringLiteral(" %1=\"%2\"").arg(key, value);
}

inline QString rect(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
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
            layout(item->layout(), out, indent + QStringLiteral("  "));
        else if (item->widget() && item->alignment())
            out << indent + QStringLiteral("  item %1 align=0x%2")
                                .arg(label(*item->widget()))
                                .arg(int(item->alignment()), 0, 16);
    }
}

inline void widget(const QWidget& w, QStringList& out, const QString& indent)
{
    static const char* policies[] = {"none", "tab", "click", "3",      "4",  "5",  "6",  "7",
                                     "8",    "9",   "10",    "strong", "12", "13", "14", "wheel"};
    // A drop-down list's accessible name is otherwise its current entry.
    const QAccessibleInterface* a =
        qobject_cast<const QComboBox*>(&w)
            ? nullptr
            : QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&w));
    out << indent +
               QStringLiteral("%1 \"%2\" %3%4%5%6%7%8%9")
                   .arg(w.metaObject()->className(), w.objectName(), rect(w.geometry()),
                        w.isHidden() ? QStringLiteral(" hidden") : QString(),
                        w.isEnabled() ? QString() : QStringLiteral(" disabled"),
                        quoted(QStringLiteral("name"),
                               a ? a->text(QAccessible::Name) : w.accessibleName()),
                        quoted(QStringLiteral("desc"),
                               a ? a->text(QAccessible::Description) : w.accessibleDescription()),
                        quoted(QStringLiteral("text"), text(w)),
                        QStringLiteral(" focus=") +
                            QLatin1String(policies[int(w.focusPolicy()) & 15])) +
               (w.acceptDrops() ? QStringLiteral(" drops") : QString()) +
               (w.autoFillBackground() ? QStringLiteral(" fill") : QString()) + alignment(w);
    if (w.layout())
        layout(w.layout(), out, indent + QStringLiteral("  "));
    // Menus are written with their actions; a scroll bar's parts are Qt's own.
    if (qobject_cast<const QScrollBar*>(&w))
        return;
    for (const QObject* child : w.children()) {
        const auto* sub = qobject_cast<const QWidget*>(child);
        if (sub && !qobject_cast<const QMenu*>(sub) && !isQtPart(*sub))
            widget(*sub, out, indent + QStringLiteral("  "));
    }
}

inline void actions(const QString& owner, const QList<QAction*>& list, QStringList& out)
{
    out << owner;
    for (const QAction* action : list) {
        if (action->isSeparator()) {
            out << QStringLiteral("  ----");
            continue;
        }
        out << QStringLiteral("  \"%1\" %2%3%4%5%6")
                   .arg(action->text(), action->shortcut().toString(QKeySequence::PortableText),
                        action->isEnabled() ? QString() : QStringLiteral(" disabled"),
                        action->isCheckable() ? QStringLiteral(" checkable") : QString(),
                        action->isChecked() ? QStringLiteral(" checked") : QString(),
                        action->isVisible() ? QString() : QStringLiteral(" hidden"));
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
