// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/AlbumSettings.h"
#include "core/album/PrintSettings.h"
#include "windows/common/Messages.h"
#include "windows/dialogs/FontChooser.h"
#include "windows/dialogs/TwipsLayout.h"

#include <QDialog>
#include <QList>
#include <QSize>
#include <QString>

#include <initializer_list>

class QFrame;
class QLabel;
class QPushButton;

namespace quenbrook {

class PageSurface;
class SettingsStore;
class TabStrip;

// What the option dialogs share: a modal, fixed-size tool window owned by the Album Printer
// window, a tab strip whose tabs each show one borderless frame, "Ok" and "Cancel", and the
// settings store they read when they open and write on OK.
//
// Controls are placed from their design positions in twips (see TwipsLayout); a dialog calls
// layOutControls once all its controls have their texts.
class OptionDialogBase : public QDialog
{
    Q_OBJECT

public:
    enum class Placement
    {
        CenteredOnOwner,
        BySystem,
    };

    ~OptionDialogBase() override;

    // How the dialog's messages are shown (unset: ShowMessage).
    void setMessageFunction(MessageFunction show) { message_ = std::move(show); }

protected:
    // The font chooser is only needed by dialogs with a font button.
    OptionDialogBase(QWidget* owner, SettingsStore& store, PageSurface& printer,
                     const QString& formName, const QString& caption, QSize innerTwips,
                     Placement placement, FontChooser fontChooser = {});

    // Every write and every message of the dialog pass here.
    virtual void writeSetting(const QString& key, const QString& value);
    virtual void showMessage(const QString& text, MessageIcon icon);

    // A design rectangle, in twips.
    static QRect twips(int left, int top, int width, int height)
    {
        return QRect(left, top, width, height);
    }
    template <class Control> Control* place(Control* control, const QString& name, QRect design)
    {
        control->setObjectName(name);
        layout_.add(control, design);
        return control;
    }
    void layOutControls();

    // An illustration drawn from one of the dialogs' SVG pictures, scaled to the rectangle.
    QLabel* addPicture(QWidget* parent, const QString& name, const QString& picture, QRect design);

    // The tab strip at its place, then one page per tab, in tab order.
    void addTabStrip(QRect design);
    QFrame* addPage(const QString& caption, const QString& key, const QString& frameName,
                    QRect design);
    // Shows the frame of the tab with this key; another key does nothing.
    void TabStrip1_Click(const QString& key);

    void addOkCancel(QRect ok, QRect cancel);
    virtual void cmdOk_Click() = 0;
    void cmdCancel_Click();

    // Focus starts at the first control and moves through them in this order.
    static void setFocusOrder(std::initializer_list<QWidget*> controls);

    // "Scale", compared exactly as the print settings compare it, and its caption.
    PrintUnit readUnit() const;
    static QString unitCaption(PrintUnit unit);

    // A font read from the store, with what the chooser cannot show replaced by the printer's
    // font: a family the system does not have, a size that is not a positive number of points
    // up to the largest the page draws.
    static PrintFont usableFont(PrintFont stored, const PrintFont& printerFont);
    // The font button: the chooser starts at `font` and `color`, which take the choice unless it
    // was cancelled.
    void chooseFont(PrintFont& font, PrintColor& color);
    // What OK hands to the walk of the settings the dialog edits (ForEachLabelSetting and the
    // like): it writes each setting, a font's six too, from the part of the record that holds it.
    auto settingWriter()
    {
        return [this](const auto& setting, const auto& part) { write(setting, part); };
    }

    void showEvent(QShowEvent* event) override;

    SettingsStore& store_;
    PageSurface& printer_;
    FontChooser fontChooser_;

    TabStrip* TabStrip1 = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    template <class Record, class T>
    void write(const AlbumSetting<Record, T>& setting, const Record& record)
    {
        writeSetting(setting.Key, SettingText(setting, record.*setting.Field));
    }
    void write(const FontSettings& font, const PrintFont& record)
    {
        ForEachOf(font, record, [this](const auto& setting, auto& part) { write(setting, part); });
    }

    TwipsLayout layout_;
    QSize innerTwips_;
    QRect stripTwips_;
    Placement placement_;
    QList<std::pair<QString, QFrame*>> pages_;
    MessageFunction message_ = ShowMessage;
};

} // namespace quenbrook
