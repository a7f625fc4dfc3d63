// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/platform/SystemInfo.h"
#include "core/program/Application.h"
#include "windows/common/Messages.h"

#include <QDialog>

#include <functional>

class QFrame;
class QLabel;
class QPushButton;

namespace quenbrook {

// The program's title, version and legal notice, and a way to the system-information tool.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget* owner);

    // Replace how the tool is found and started, and the message box, for tests.
    void setSystemInfo(SystemInfo::Finder find, SystemInfo::Launcher launch);
    void setMessageFunction(MessageFunction show) { showMessage_ = std::move(show); }

    void StartSysInfo();

    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    QLabel* lblDescription() const { return lblDescription_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdSysInfo() const { return cmdSysInfo_; }

private:
    void createTexts(const QString& title);
    void createButtons();
    void layOutControls(QFrame* line);

    QLabel* picIcon_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* lblDisclaimer_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
    SystemInfo::Finder find_ = SystemInfo::FindInstalled;
    SystemInfo::Launcher launch_ = SystemInfo::StartDetached;
    MessageFunction showMessage_ = ShowMessage;
};

} // namespace quenbrook
