// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/about/frmAbout.h"

#include "windows/common/OuterTwips.h"
#include "windows/common/Placement.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace quenbrook {

namespace {

const char* const Unavailable =
    QT_TRANSLATE_NOOP("quenbrook::frmAbout", "System Information Is Unavailable At This Time");

QPixmap ProgramIcon(int side, qreal ratio)
{
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/about/quenbrook.svg"));
    QPainter painter(&pixmap);
    svg.render(&painter, QRectF(0, 0, side, side));
    return pixmap;
}

// The etched line: a grey line and a white one below it.
QFrame* EtchedLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint)
{
    const QString title = QString::fromUtf16(ApplicationTitle);
    setWindowTitle(tr("About %1").arg(title));
    createTexts(title);
    QFrame* Line1 = EtchedLine(this);
    createButtons();
    layOutControls(Line1);
    setFixedSize(sizeHint());
    CentreOnOwner(*this);
}

void frmAbout::createTexts(const QString& title)
{
    picIcon_ = new QLabel(this);
    picIcon_->setPixmap(ProgramIcon(ToPixels(720), devicePixelRatioF()));
    picIcon_->setAlignment(Qt::AlignTop);

    lblTitle_ = new QLabel(title, this);
    QFont big = lblTitle_->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    lblTitle_->setFont(big);
    lblVersion_ = new QLabel(
        tr("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision), this);
    lblDescription_ =
        new QLabel(tr("Browse the pictures of a folder and print them as album pages."), this);
    lblDisclaimer_ = new QLabel(
        tr("Warning: this program is protected by copyright law and international treaties. "
           "Copying or distributing it, or any part of it, without permission may result in "
           "civil and criminal penalties."),
        this);
    lblDisclaimer_->setWordWrap(true);
}

void frmAbout::createButtons()
{
    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setDefault(true);
    cmdSysInfo_ = new QPushButton(tr("&System Info..."), this);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
}

// The icon beside the title and texts, the line, then the notice beside the buttons.
void frmAbout::layOutControls(QFrame* line)
{
    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle_);
    texts->addWidget(lblVersion_);
    texts->addSpacing(ToPixels(120));
    texts->addWidget(lblDescription_);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon_);
    top->addSpacing(ToPixels(180));
    top->addLayout(texts, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdSysInfo_);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer_, 1);
    bottom->addSpacing(ToPixels(180));
    bottom->addLayout(buttons);

    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(line);
    all->addLayout(bottom);
    lblDisclaimer_->setMinimumWidth(ToPixels(3600));
}

void frmAbout::setSystemInfo(SystemInfo::Finder find, SystemInfo::Launcher launch)
{
    find_ = std::move(find);
    launch_ = std::move(launch);
}

void frmAbout::StartSysInfo()
{
    if (!SystemInfo::Start(find_, launch_))
        showMessage_(this, tr(Unavailable), MessageIcon::None);
}

} // namespace quenbrook
