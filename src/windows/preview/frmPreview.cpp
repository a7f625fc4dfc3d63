#include "windows/preview/frmPreview.h"

#include "core/album/AlbumPage.h"
#include "core/album/PagePen.h"
#include "core/album/PageSurface.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/program/PrintSettingsKeys.h"
#include "core/program/Units.h"
#include "core/settings/NumberRules.h"
#include "core/settings/SettingsStore.h"
#include "windows/common/BusyCursor.h"
#include "windows/common/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <optional>

namespace quenbrook {
namespace {

// The zoom list's entries and their factors, in list order.
constexpr std::array<float, 4> ZoomFactors = {1, 0.75f, 0.5f, 0.25f};

const char* const CantPreviewMessage =
    QT_TRANSLATE_NOOP("quenbrook::frmPreview", "Print Error!\r\nCan't Preview");

} // namespace

void frmPreview::Open(QWidget* owner, const QStringList& printList, const PrintSettings& settings,
                      PageSurface& printer, SettingsStore& store, const MessageFunction& message)
{
    if (printList.isEmpty())
        return;
    frmPreview window(owner, printList, settings, printer, store, message);
    if (window.Form_Load())
        window.exec();
}

frmPreview::frmPreview(QWidget* owner, const QStringList& printList, const PrintSettings& settings,
                       PageSurface& printer, SettingsStore& store, MessageFunction message)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , printList_(printList)
    , settings_(settings)
    , printer_(printer)
    , store_(store)
    , message_(std::move(message))
{
    setObjectName(QStringLiteral("frmPreview"));
    createActions();
    createControls();
}

frmPreview::~frmPreview() = default;

void frmPreview::saveSetting(const QString& key, const QString& value)
{
    store_.SaveSetting(PrintKeys::Application, PrintKeys::Section, key, value);
}

void frmPreview::fail(const QString& message)
{
    message_(parentWidget(), message, MessageIcon::Critical);
}

bool frmPreview::queryPrinter()
{
    const float perInch = float(UnitsPerInch(settings_.Scale));
    layout_.PrintableWidth = printer_.drawableWidth(settings_.Scale);
    layout_.PrintableHeight = printer_.drawableHeight(settings_.Scale);
    PaperWidth = printer_.paperWidthTwips() / TwipsPerInch * perInch;
    PaperHeight = printer_.paperHeightTwips() / TwipsPerInch * perInch;
    // Asking may have opened a document; nothing is printed on it.
    printer_.killDoc();
    return printer_.error().isEmpty();
}

bool frmPreview::Form_Load()
{
    std::optional<BusyCursor> busy(std::in_place);
    IsLoaded = false;
    if (!queryPrinter()) {
        busy.reset();
        fail(tr(CantPreviewMessage));
        return false;
    }

    // The grid is measured on this surface, sized for the moment as the printer's printable area.
    surface_.resize(layout_.PrintableWidth, layout_.PrintableHeight, 1, settings_.Scale);
    const LayoutResult computed = ComputePageLayout(
        settings_, int(std::min<qsizetype>(printList_.size(), INT_MAX)), surface_);
    if (const auto* failure = std::get_if<LayoutFailure>(&computed)) {
        busy.reset();
        fail(failure->message);
        return false;
    }
    layout_ = std::get<PageLayout>(computed);

    // A stored zoom that is none of the four shows the page at 100%.
    const double storedZoom = NumericValue(store_.GetSetting(
        PrintKeys::Application, PrintKeys::Section, PrintKeys::PreviewZoom, QStringLiteral("1")));
    const auto* found = std::find(ZoomFactors.begin(), ZoomFactors.end(), storedZoom);
    const int zoomIndex = found == ZoomFactors.end() ? 0 : int(found - ZoomFactors.begin());
    zoomFactor_ = ZoomFactors[size_t(zoomIndex)];
    cboZoom->setCurrentIndex(zoomIndex);

    const auto stored = [&](const QString& key) {
        return BooleanValue(
            store_.GetSetting(PrintKeys::Application, PrintKeys::Section, key, BooleanText(true)),
            true);
    };
    chkShowPrintableArea->setChecked(stored(PrintKeys::PrintableArea));
    chkShowPictureArea->setChecked(stored(PrintKeys::PictureArea));

    SetupPreviewSize();

    IsLoaded = true;
    hsrPage->setRange(1, layout_.PageCount);
    lblTotalPage->setText(tr("of %1").arg(layout_.PageCount));
    lblTotalPage->adjustSize();
    hsrPage->setValue(1);
    lblPage->setText(QStringLiteral("1"));
    busy.reset();
    PreviewPage(1);
    return true;
}

void frmPreview::SetupPreviewSize()
{
    const BusyCursor busy;
    setWindowTitle(tr("Preview %1%").arg(NumberText(zoomFactor_ * 100)));
    surface_.clear();
    surface_.resize(PaperWidth, PaperHeight, zoomFactor_, settings_.Scale);
    picPreview->resize(surface_.size());
    // The printable area is taken to be centred on the paper.
    MarginX = (PaperWidth - layout_.PrintableWidth) / 2 * zoomFactor_;
    MarginY = (PaperHeight - layout_.PrintableHeight) / 2 * zoomFactor_;
    Form_Resize();
}

void frmPreview::PreviewPage(qint32 page)
{
    std::optional<BusyCursor> busy(std::in_place);
    PageView view;
    view.ZoomFactor = zoomFactor_;
    view.MarginX = MarginX;
    view.MarginY = MarginY;
    view.showPrintableArea = chkShowPrintableArea->isChecked();
    view.showPictureArea = chkShowPictureArea->isChecked();
    view.clearFirst = true;
    const PageResult drawn = DrawAlbumPage(surface_, settings_, layout_, printList_, page, view);
    picPreview->update();
    if (drawn.outcome == PageOutcome::Failed) {
        busy.reset();
        message_(this, drawn.message, MessageIcon::Critical);
    }
}

void frmPreview::cboZoom_Click(int index)
{
    if (index < 0 || index >= int(ZoomFactors.size()))
        return;
    zoomFactor_ = ZoomFactors[size_t(index)];
    saveSetting(PrintKeys::PreviewZoom, NumberText(zoomFactor_));
    if (IsLoaded) {
        SetupPreviewSize();
        PreviewPage(hsrPage->value());
    }
}

// The list runs from the largest factor down; a step past either end does nothing.
void frmPreview::stepZoom(int by)
{
    const int next = cboZoom->currentIndex() + by;
    if (cboZoom->currentIndex() < 0 || next < 0 || next >= cboZoom->count())
        return;
    cboZoom->setCurrentIndex(next);
    cboZoom_Click(next);
}

void frmPreview::chkShowPictureArea_Click()
{
    saveSetting(PrintKeys::PictureArea, BooleanText(chkShowPictureArea->isChecked()));
    PreviewPage(hsrPage->value());
}

void frmPreview::chkShowPrintableArea_Click()
{
    const bool on = chkShowPrintableArea->isChecked();
    saveSetting(PrintKeys::PrintableArea, BooleanText(on));
    if (!on) {
        PreviewPage(hsrPage->value());
        return;
    }
    // Over the page as it is, in the text colour the drawing left: the labels'.
    PagePen pen(surface_, settings_.Scale);
    pen.drawOutline(MarginX, MarginY, pen.scaleWidth() - MarginX, pen.scaleHeight() - MarginY,
                    settings_.FontColor);
    picPreview->update();
}

void frmPreview::hsrPage_Change(int value)
{
    lblPage->setText(QString::number(value));
    PreviewPage(value);
}

void frmPreview::HScroll1_Change(int value)
{
    picPreview->move(-int(std::lround(HScrollStep * value)), picPreview->y());
}

void frmPreview::VScroll1_Change(int value)
{
    picPreview->move(picPreview->x(), -int(std::lround(VScrollStep * value)));
}

void frmPreview::mnuClose_Click()
{
    close();
}

void frmPreview::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        mnuClose_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmPreview::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

} // namespace quenbrook
