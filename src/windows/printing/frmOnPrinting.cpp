// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/printing/frmOnPrinting.h"

#include "windows/common/Placement.h"

#include "windows/common/OuterTwips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace quenbrook {

QString PrintProgressText(qint32 page, const QString& path)
{
    return frmOnPrinting::tr("Print Page:%1\r\nFile Name: %2").arg(QString::number(page), path);
}

frmOnPrinting::frmOnPrinting(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , lblMessage(new QLabel(this))
    , cmdCancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("frmOnPrinting"));
    setWindowTitle(tr("Printing"));
    setFixedSize(ToPixels(4044), ToPixels(1068));

    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->move(ToPixels(120), ToPixels(120));

    // Not the Esc key's button: only a click cancels.
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    cmdCancel->setGeometry(ToPixels(2760), ToPixels(720), ToPixels(1212), ToPixels(252));
    connect(cmdCancel, &QPushButton::clicked, this, &frmOnPrinting::cmdCancel_Click);

    CentreOnOwner(*this);
}

void frmOnPrinting::showEvent(QShowEvent* event)
{
    // The frame is known now.
    CentreOnOwner(*this);
    QWidget::showEvent(event);
}

void frmOnPrinting::ShowProgress(qint32 page, const QString& path)
{
    lblMessage->setText(PrintProgressText(page, path));
    lblMessage->adjustSize();
}

void frmOnPrinting::cmdCancel_Click()
{
    cancelRequested_ = true;
}

} // namespace quenbrook
