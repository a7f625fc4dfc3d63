// SPDX-License-Identifier: GPL-2.0-or-later
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
#include "windows/common/PicturePixels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <atomic>
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
    // A page on its way was loaded for the old size.
    pageLoad_.drop();
    busy_.reset();
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
    pageLoad_.drop();
    pagePictures_.clear();
    PageView view;
    view.ZoomFactor = zoomFactor_;
    view.MarginX = MarginX;
    view.MarginY = MarginY;
    view.showPrintableArea = chkShowPrintableArea->isChecked();
    view.showPictureArea = chkShowPictureArea->isChecked();
    view.clearFirst = true;

    const qint64 count = printList_.size();
    const qint64 first = (qint64(page) - 1) * layout_.PicturesPerPage;
    const qint64 last = std::min(first + layout_.PicturesPerPage, count);
    if (page < 1 || first >= count) {
        drawPage(page, view);
        return;
    }
    // Loaded two at a time (each load may hold its whole memory budget) in the order they are
    // drawn; none is started after one that cannot be, as the page is drawn up to that one.
    const QStringList paths = printList_.mid(first, last - first);
    const QSize box = PictureDecodeSize(settings_, view, surface_);
    const PictureLoad load = load_;
    auto next = std::make_shared<std::atomic<qint64>>(0);
    auto end = std::make_shared<std::atomic<qint64>>(paths.size());
    if (!busy_)
        busy_.emplace();
    pageLoad_.start(
        [=](QPromise<PagePicture>& promise, const LoadStop& stop) {
            for (qint64 i = (*next)++; i < *end && !stopRaised(&stop); i = (*next)++) {
                PagePicture result = loadPagePicture(load, paths[i], box, stop);
                result.index = first + i;
                if (!result.picture) {
                    qint64 failed = *end;
                    while (i < failed && !end->compare_exchange_weak(failed, i)) {
                    }
                }
                promise.addResult(result);
            }
        },
        [this](const PagePicture& picture) { pagePictures_.push_back(picture); },
        [this, page, view] { drawPage(page, view); }, int(std::min<qint64>(paths.size(), 2)));
}

// A picture of the page, scaled on this worker thread to the pixels it takes in the preview.
frmPreview::PagePicture frmPreview::loadPagePicture(const PictureLoad& load, const QString& path,
                                                    QSize box, const LoadStop& stop)
{
    PagePicture result;
    PictureResult loaded = load(path, box, &stop, {});
    if (const auto* error = std::get_if<PictureError>(&loaded)) {
        result.error = error->message;
        return result;
    }
    Picture& picture = std::get<Picture>(loaded);
    const QSize natural = picture.naturalHimetric();
    const QSize fitted =
        box.isEmpty() ? QSize(HimetricToPixels(natural.width()), HimetricToPixels(natural.height()))
                      : QSizeF(natural).scaled(QSizeF(box), Qt::KeepAspectRatio).toSize();
    result.picture =
        std::make_shared<Picture>(InPixels(std::move(picture), fitted.expandedTo(QSize(1, 1))));
    return result;
}

void frmPreview::drawPage(qint32 page, const PageView& view)
{
    const std::vector<PagePicture> pictures = std::move(pagePictures_);
    pagePictures_.clear();
    const PictureSource source = [&](qint64 index, const QString&) -> PictureResult {
        for (const PagePicture& p : pictures) {
            if (p.index != index)
                continue;
            if (!p.picture)
                return PictureError{p.error};
            return std::move(*p.picture);
        }
        return PictureError{QString()};
    };
    std::optional<BusyCursor> busy(std::in_place);
    busy_.reset();
    const PageResult drawn =
        DrawAlbumPage(surface_, settings_, layout_, printList_, page, view, {}, source);
    picPreview->update();
    busy.reset();
    if (drawn.outcome == PageOutcome::Failed)
        message_(this, drawn.message, MessageIcon::Critical);
    emit pageDrawn();
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
