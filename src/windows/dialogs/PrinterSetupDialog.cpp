// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/dialogs/PrinterSetupDialog.h"

#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "windows/common/ChosenOption.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quenbrook {
namespace {

// Where the list holds this paper: under its own name first, for a printer may list one size
// under several ("ANSI A" and "US Letter"), then by its key, then by its size.
qsizetype indexOf(const QList<QPageSize>& papers, const QPageSize& paper)
{
    const auto find = [&](auto same) -> qsizetype {
        const auto at = std::find_if(papers.begin(), papers.end(), same);
        return at == papers.end() ? -1 : at - papers.begin();
    };
    qsizetype index = find([&](const QPageSize& listed) { return listed == paper; });
    if (index < 0)
        index = find([&](const QPageSize& listed) { return listed.key() == paper.key(); });
    if (index < 0)
        index = find([&](const QPageSize& listed) { return listed.isEquivalentTo(paper); });
    return index;
}

} // namespace

PrinterSetupDialog::PrinterSetupDialog(QWidget* owner, const Printers& printers,
                                       PrinterSurface& printer)
    : QDialog(owner)
    , printer_(printer)
    , cboPrinter(new QComboBox(this))
    , cboPaper(new QComboBox(this))
    , optPortrait(new QRadioButton(tr("&Portrait"), this))
    , optLandscape(new QRadioButton(tr("&Landscape"), this))
{
    setObjectName(QStringLiteral("dlgPrinterSetup"));
    setWindowTitle(tr("Printer Setup"));
    cboPrinter->setObjectName(QStringLiteral("cboPrinter"));
    cboPaper->setObjectName(QStringLiteral("cboPaper"));
    optPortrait->setObjectName(QStringLiteral("optPortrait"));
    optLandscape->setObjectName(QStringLiteral("optLandscape"));
    cboPrinter->setAccessibleName(tr("Printer"));
    cboPaper->setAccessibleName(tr("Paper size"));
    cboPrinter->setMinimumContentsLength(24);
    cboPrinter->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* printerBox = new QGroupBox(tr("Printer"), this);
    (new QFormLayout(printerBox))->addRow(tr("&Name:"), cboPrinter);
    auto* paperBox = new QGroupBox(tr("Paper"), this);
    (new QFormLayout(paperBox))->addRow(tr("Si&ze:"), cboPaper);
    auto* orientationBox = new QGroupBox(tr("Orientation"), this);
    auto* orientations = new QVBoxLayout(orientationBox);
    orientations->addWidget(optPortrait);
    orientations->addWidget(optLandscape);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PrinterSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* paperRow = new QHBoxLayout;
    paperRow->addWidget(paperBox, 1);
    paperRow->addWidget(orientationBox);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addLayout(paperRow);
    layout->addWidget(buttons);

    const QPageLayout page = printer_.printer().pageLayout();
    const QStringList names = printers.names();
    for (const QString& name : names)
        cboPrinter->addItem(printers.shownName(name), name);
    const QString shown =
        names.contains(printer_.printerName()) ? printer_.printerName() : printers.defaultName();
    cboPrinter->setCurrentIndex(std::max<qsizetype>(names.indexOf(shown), 0));
    cboPrinter_Click();
    // The surface's own paper stays on offer, even one its printer does not list.
    if (chosenName() == printer_.printerName()) {
        qsizetype current = indexOf(papers_, page.pageSize());
        if (current < 0 && page.pageSize().isValid()) {
            papers_.prepend(page.pageSize());
            cboPaper->insertItem(0, page.pageSize().name());
            current = 0;
        }
        if (current >= 0)
            cboPaper->setCurrentIndex(int(current));
    }
    (page.orientation() == QPageLayout::Landscape ? optLandscape : optPortrait)->setChecked(true);

    connect(cboPrinter, &QComboBox::currentIndexChanged, this,
            &PrinterSetupDialog::cboPrinter_Click);
    // What the user picks here is kept when another printer is chosen.
    connect(cboPaper, &QComboBox::activated, this, [this] { paperPicked_ = true; });
    TabEntersAtChosen({optPortrait, optLandscape});
    for (QRadioButton* orientation : {optPortrait, optLandscape})
        connect(orientation, &QRadioButton::clicked, this, [this] { orientationPicked_ = true; });
}

QString PrinterSetupDialog::chosenName() const
{
    return cboPrinter->currentData().toString();
}

void PrinterSetupDialog::cboPrinter_Click()
{
    const QString name = chosenName();
    const QPageSize picked = papers_.value(cboPaper->currentIndex());
    papers_ = PaperSizes(name);
    cboPaper->clear();
    for (const QPageSize& paper : std::as_const(papers_))
        cboPaper->addItem(paper.name());
    const PrinterDefaults defaults = DefaultsOf(name);
    qsizetype index = paperPicked_ ? indexOf(papers_, picked) : -1;
    if (index < 0)
        index = indexOf(papers_, defaults.paper);
    cboPaper->setCurrentIndex(int(std::max<qsizetype>(index, 0)));
    if (!orientationPicked_)
        (defaults.orientation == QPageLayout::Landscape ? optLandscape : optPortrait)
            ->setChecked(true);
}

void PrinterSetupDialog::accept()
{
    const QString name = chosenName();
    if (!name.isEmpty()) {
        // Choosing the same printer again checks it anew when it could not be used.
        if (name != printer_.printerName() || !printer_.error().isEmpty())
            printer_.selectPrinter(name);
        QPrinter& device = printer_.printer();
        // Under the name picked, even where the printer has the size under another name too.
        const QPageSize paper = papers_.value(cboPaper->currentIndex());
        if (paper.isValid() && !(device.pageLayout().pageSize() == paper))
            device.setPageSize(paper);
        const auto orientation =
            optLandscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
        if (device.pageLayout().orientation() != orientation)
            device.setPageOrientation(orientation);
    }
    QDialog::accept();
}

} // namespace quenbrook
