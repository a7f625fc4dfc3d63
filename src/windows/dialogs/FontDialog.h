// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "windows/dialogs/FontChooser.h"

#include <QColor>
#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quenbrook {

// The chooser ChooseFont shows. Each part remembers what it was given, and gives it back unless
// the user changed that part: a family spelt differently from the database's, a size of more
// than four decimals and a colour with a top byte all survive an untouched OK.
class FontDialog final : public QDialog
{
    Q_OBJECT

public:
    FontDialog(QWidget* parent, const ChosenFont& current);

    ChosenFont chosen() const;

private:
    void createControls();
    void createLists();
    QWidget* createEffects();
    QWidget* createSample();
    void layOut(QWidget* effects, QWidget* sample);
    void fillFamilies();
    void connectControls();
    QString family() const;
    void showFamily();
    void showSizeInList();
    void showColor();
    QString problem() const;
    void refresh();

    const ChosenFont original_;
    QListWidgetItem* shownFamily_ = nullptr;
    QString shownSize_;
    QColor color_;
    bool colorChosen_ = false;
    bool typing_ = false;

    QLineEdit* txtFamily = nullptr;
    QListWidget* lstFamily = nullptr;
    QLineEdit* txtStyle = nullptr;
    QListWidget* lstStyle = nullptr;
    QLineEdit* txtSize = nullptr;
    QListWidget* lstSize = nullptr;
    QCheckBox* chkStrikeout = nullptr;
    QCheckBox* chkUnderline = nullptr;
    QPushButton* cmdColor = nullptr;
    QLabel* lblSample = nullptr;
    QLabel* lblProblem = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace quenbrook
