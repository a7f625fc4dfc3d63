// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "windows/dialogs/OptionDialogBase.h"

#include <array>
#include <utility>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace quenbrook {

// The header and the footer of the album page: whether there is one and what it shows, its font
// and colour, its distance from the pictures and its alignment. The two dialogs are the same
// window; only the caption and the keys differ.
class BandDialog : public OptionDialogBase
{
    Q_OBJECT

public:
    enum class Band
    {
        Header,
        Footer,
    };

protected:
    BandDialog(Band band, QWidget* owner, SettingsStore& store, PageSurface& printer,
               FontChooser fontChooser);

    void cmdOk_Click() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Keys;
    static const Keys& keysOf(Band band);

    void addGeneralPage();
    void addSpacingPage();
    void addAlignmentPage();
    void connectControls();

    void Form_Load();
    void optSetting_Click(int index);
    void optAlignment_Click(int index);
    void txtSpacing_LostFocus();
    void cmdFont_Click();

    const Band which_;
    // As read when the dialog opened, then as edited; the text and spacing are taken from their
    // boxes on OK.
    PrintBand band_;

    std::array<QRadioButton*, 3> optSetting{};
    QButtonGroup* settingGroup_;
    QLineEdit* txtContext;
    QPushButton* cmdFont;
    QLineEdit* txtSpacing;
    std::array<QRadioButton*, 3> optAlignment{};
    QButtonGroup* alignmentGroup_;
    QLabel* lblUnit;
};

// "Header": keys HeaderFontName … HeaderSpacing.
class frmHeader : public BandDialog
{
    Q_OBJECT

public:
    frmHeader(QWidget* owner, SettingsStore& store, PageSurface& printer,
              FontChooser fontChooser = ChooseFont)
        : BandDialog(Band::Header, owner, store, printer, std::move(fontChooser))
    {}
};

// "Footer": keys FooterFontName … FooterSpacing.
class frmFooter : public BandDialog
{
    Q_OBJECT

public:
    frmFooter(QWidget* owner, SettingsStore& store, PageSurface& printer,
              FontChooser fontChooser = ChooseFont)
        : BandDialog(Band::Footer, owner, store, printer, std::move(fontChooser))
    {}
};

} // namespace quenbrook
