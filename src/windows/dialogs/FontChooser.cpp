#include "windows/dialogs/FontChooser.h"

#include "core/album/PainterSurface.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace quenbrook {
namespace {

QFont toQFont(const PrintFont& font)
{
    QFont qfont(font.Name);
    if (font.Size > 0 && std::isfinite(font.Size))
        qfont.setPointSizeF(font.Size);
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setStrikeOut(font.Strikethrough);
    qfont.setUnderline(font.Underline);
    return qfont;
}

PrintFont toPrintFont(const QFont& qfont)
{
    return PrintFont{qfont.family(), qfont.pointSizeF(), qfont.bold(),
                     qfont.italic(), qfont.strikeOut(),  qfont.underline()};
}

// The font dialog without its own buttons, the colour row and OK/Cancel.
class FontColorDialog final : public QDialog
{
public:
    FontColorDialog(QWidget* parent, const ChosenFont& current)
        : QDialog(parent)
        , fonts_(new QFontDialog(this))
        , cmdColor_(new QPushButton(this))
        , original_(current)
        , color_(PainterSurface::toQColor(current.Color))
    {
        setWindowTitle(tr("Font"));
        // Qt's own dialog: the desktop's choosers offer no strikeout or underline.
        fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog |
                           QFontDialog::ScalableFonts);
        fonts_->setWindowFlags(Qt::Widget);
        fonts_->setSizeGripEnabled(false);
        fonts_->layout()->setContentsMargins(0, 0, 0, 0); // this window has its own
        const QFont shown = toQFont(current.Font);
        fonts_->setCurrentFont(shown);
        shownPoints_ = shown.pointSize();

        cmdColor_->setObjectName(QStringLiteral("cmdColor"));
        cmdColor_->setAutoDefault(false);
        connect(cmdColor_, &QPushButton::clicked, this, [this] {
            const QColor chosen = QColorDialog::getColor(color_, this, tr("Color"));
            if (chosen.isValid()) {
                color_ = chosen;
                colorChosen_ = true;
                showColor();
            }
        });
        showColor();
        auto* colorLabel = new QLabel(tr("&Color:"), this);
        colorLabel->setBuddy(cmdColor_);

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto* colorRow = new QHBoxLayout;
        colorRow->addWidget(colorLabel);
        colorRow->addWidget(cmdColor_);
        colorRow->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(fonts_);
        layout->addLayout(colorRow);
        layout->addWidget(buttons);
    }

    // Qt's font dialog knows whole points only: a size of 10.5 shows as 11 and comes back as
    // 10.5 unless another size was chosen. An untouched colour comes back as it went in, top
    // byte and all.
    ChosenFont chosen() const
    {
        const QFont font = fonts_->currentFont();
        PrintFont chosen = toPrintFont(font);
        if (font.pointSize() == shownPoints_)
            chosen.Size = original_.Font.Size;
        return {chosen, colorChosen_ ? ToPrintColor(color_) : original_.Color};
    }

private:
    void showColor()
    {
        const int side = fontMetrics().height();
        QPixmap swatch(side * 2, side);
        swatch.fill(color_);
        QPainter(&swatch).drawRect(swatch.rect().adjusted(0, 0, -1, -1));
        cmdColor_->setIcon(swatch);
        cmdColor_->setIconSize(swatch.size());
        cmdColor_->setText(color_.name().toUpper());
    }

    QFontDialog* fonts_;
    QPushButton* cmdColor_;
    ChosenFont original_;
    int shownPoints_ = 0;
    QColor color_;
    bool colorChosen_ = false;
};

} // namespace

PrintColor ToPrintColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return static_cast<PrintColor>(qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16);
}

std::optional<ChosenFont> ChooseFont(QWidget* parent, const ChosenFont& current)
{
    FontColorDialog dialog(parent, current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

} // namespace quenbrook
