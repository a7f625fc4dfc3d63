// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QPageSize>

class QComboBox;
class QRadioButton;

namespace quenbrook {

class PrinterSurface;
class Printers;

// "Printer Setup": the printer the album is printed on, its paper and the orientation. It opens
// at the surface's printer and paper; OK makes the choice the surface's, Cancel leaves the
// surface as it was.
class PrinterSetupDialog final : public QDialog
{
    Q_OBJECT

public:
    PrinterSetupDialog(QWidget* owner, const Printers& printers, PrinterSurface& printer);

    void accept() override;

private:
    // The name of the printer chosen in the list, which shows its description.
    QString chosenName() const;
    // The papers of the printer now chosen, at its own paper and orientation unless the user
    // picked others here (a paper it does not have gives way to its own).
    void cboPrinter_Click();

    PrinterSurface& printer_;
    QList<QPageSize> papers_;
    bool paperPicked_ = false;
    bool orientationPicked_ = false;

    QComboBox* cboPrinter;
    QComboBox* cboPaper;
    QRadioButton* optPortrait;
    QRadioButton* optLandscape;
};

} // namespace quenbrook
