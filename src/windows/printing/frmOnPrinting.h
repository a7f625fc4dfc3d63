// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace quenbrook {

// The small "Printing" window of a print job: which page and file are being printed, and a
// Cancel button that only asks the job to stop; the job reads the request before each picture
// and closes the window itself.
class frmOnPrinting final : public QWidget
{
    Q_OBJECT
public:
    // A fixed-size tool window centred on its owner, which may be disabled: the window stays
    // usable all the same.
    explicit frmOnPrinting(QWidget* owner);

    bool CancelRequested() const { return cancelRequested_; }
    // "Print Page:" + page, CR LF, "File Name: " + path.
    void ShowProgress(qint32 page, const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cmdCancel_Click();

    QLabel* lblMessage;
    QPushButton* cmdCancel;
    bool cancelRequested_ = false;
};

// The progress text of a picture; the label shows CR LF as one line break.
QString PrintProgressText(qint32 page, const QString& path);

} // namespace quenbrook
