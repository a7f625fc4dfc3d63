// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/dialogs/FontDialog.h"

#include "core/album/PainterSurface.h"

#include <QCheckBox>
#include <QCollator>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <tuple>

namespace quenbrook {
namespace {

void named(QWidget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
}

// The styles an album font can have, in list order; the row is 2 × bold + italic.
constexpr int StyleCount = 4;
int styleRow(bool bold, bool italic)
{
    return (bold ? 2 : 0) + (italic ? 1 : 0);
}

// The family's own names for the four styles where it has them ("Book" and "Oblique" for
// DejaVu Sans), the usual names where it has not. Of several faces that fit, the one nearest
// to the plain or bold weight wins, then the shortest name (no "Condensed").
std::array<QString, StyleCount> styleNames(const QString& family)
{
    std::array<QString, StyleCount> names = {FontDialog::tr("Regular"), FontDialog::tr("Italic"),
                                             FontDialog::tr("Bold"), FontDialog::tr("Bold Italic")};
    std::array<int, StyleCount> distance;
    distance.fill(INT_MAX);
    for (const QString& style : QFontDatabase::styles(family)) {
        // QFontDatabase::italic() is false for an oblique face; the face itself knows.
        const QFont face = QFontDatabase::font(family, style, 12);
        const int weight = face.weight();
        const bool bold = weight >= QFont::DemiBold;
        const int row = styleRow(bold, face.style() != QFont::StyleNormal);
        const int off = std::abs(weight - (bold ? QFont::Bold : QFont::Normal));
        if (off < distance[row] || (off == distance[row] && style.size() < names[row].size())) {
            distance[row] = off;
            names[row] = style;
        }
    }
    return names;
}

// Sizes as typed: digits with up to four decimals, the point or the comma between them.
std::optional<double> typedSize(QString text)
{
    bool ok = false;
    const double points =
        QLocale::c().toDouble(text.replace(QLatin1Char(','), QLatin1Char('.')), &ok);
    if (!ok || !(points > 0 && points <= PainterSurface::MaxFontPoints))
        return std::nullopt;
    return points;
}

// The size list. Taking the focus makes its first size the current one when the size typed is
// not in it; that is no choice of the user's, so the box keeps what was typed.
class SizeList final : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        const QSignalBlocker quiet(this);
        QListWidget::focusInEvent(event);
    }
};

} // namespace

FontDialog::FontDialog(QWidget* parent, const ChosenFont& current)
    : QDialog(parent)
    , original_(current)
    , color_(PainterSurface::toQColor(current.Color))
{
    setObjectName(QStringLiteral("dlgFont"));
    setWindowTitle(tr("Font"));
    createControls();
    fillFamilies();
    txtSize->setText(FontSizeText(current.Font.Size));
    shownSize_ = txtSize->text();
    chkStrikeout->setChecked(current.Font.Strikethrough);
    chkUnderline->setChecked(current.Font.Underline);
    lstStyle->setCurrentRow(styleRow(current.Font.Bold, current.Font.Italic));
    showFamily();
    showSizeInList();
    showColor();
    connectControls();
    refresh();
    txtFamily->setFocus();
    txtFamily->selectAll();
}

ChosenFont FontDialog::chosen() const
{
    ChosenFont chosen = original_;
    chosen.Font.Name = family();
    if (txtSize->text() != shownSize_)
        chosen.Font.Size = typedSize(txtSize->text()).value_or(original_.Font.Size);
    const int row = std::max(lstStyle->currentRow(), 0);
    chosen.Font.Bold = row >= 2;
    chosen.Font.Italic = row % 2 == 1;
    chosen.Font.Strikethrough = chkStrikeout->isChecked();
    chosen.Font.Underline = chkUnderline->isChecked();
    if (colorChosen_)
        chosen.Color = ToPrintColor(color_);
    return chosen;
}

void FontDialog::createControls()
{
    createLists();
    QWidget* effects = createEffects();
    QWidget* sample = createSample();

    lblProblem = new QLabel(this);
    named(lblProblem, "lblProblem");
    lblProblem->setWordWrap(true);
    QPalette warning = lblProblem->palette();
    warning.setColor(QPalette::WindowText, Qt::darkRed);
    lblProblem->setPalette(warning);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    named(buttons_->button(QDialogButtonBox::Ok), "cmdOk");
    named(buttons_->button(QDialogButtonBox::Cancel), "cmdCancel");
    layOut(effects, sample);
}

// The family, style and size, each a box above its list.
void FontDialog::createLists()
{
    txtFamily = new QLineEdit(this);
    lstFamily = new QListWidget(this);
    txtStyle = new QLineEdit(this);
    txtStyle->setReadOnly(true);
    txtStyle->setFocusPolicy(Qt::NoFocus);
    lstStyle = new QListWidget(this);
    txtSize = new QLineEdit(this);
    txtSize->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,4}([.,][0-9]{0,4})?")), txtSize));
    lstSize = new SizeList(this);
    const int letter = fontMetrics().averageCharWidth();
    for (const auto& [widget, name, spoken, letters] :
         {std::tuple<QWidget*, const char*, QString, int>{txtFamily, "txtFamily", tr("Font"), 28},
          {lstFamily, "lstFamily", tr("Fonts"), 28},
          {txtStyle, "txtStyle", tr("Font style"), 16},
          {lstStyle, "lstStyle", tr("Font styles"), 16},
          {txtSize, "txtSize", tr("Size"), 7},
          {lstSize, "lstSize", tr("Sizes"), 7}}) {
        named(widget, name);
        widget->setAccessibleName(spoken);
        widget->setMinimumWidth(letter * letters);
    }
    for (int row = 0; row < StyleCount; ++row)
        lstStyle->addItem(QString());
    for (const int points : QFontDatabase::standardSizes())
        lstSize->addItem(QString::number(points));
}

QWidget* FontDialog::createEffects()
{
    auto* effects = new QGroupBox(tr("Effects"), this);
    chkStrikeout = new QCheckBox(tr("Stri&keout"), effects);
    chkUnderline = new QCheckBox(tr("&Underline"), effects);
    cmdColor = new QPushButton(effects);
    cmdColor->setAutoDefault(false);
    named(chkStrikeout, "chkStrikeout");
    named(chkUnderline, "chkUnderline");
    named(cmdColor, "cmdColor");
    auto* colorLabel = new QLabel(tr("&Color:"), effects);
    colorLabel->setBuddy(cmdColor);
    auto* effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(chkStrikeout);
    effectsLayout->addWidget(chkUnderline);
    effectsLayout->addWidget(colorLabel);
    effectsLayout->addWidget(cmdColor);
    return effects;
}

QWidget* FontDialog::createSample()
{
    auto* sample = new QGroupBox(tr("Sample"), this);
    lblSample = new QLabel(tr("AaBbYyZz"), sample);
    named(lblSample, "lblSample");
    lblSample->setAlignment(Qt::AlignCenter);
    // A large size shows what fits; the box does not grow with it.
    lblSample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    lblSample->setMinimumSize(fontMetrics().averageCharWidth() * 30, fontMetrics().height() * 4);
    (new QVBoxLayout(sample))->addWidget(lblSample);
    return sample;
}

void FontDialog::layOut(QWidget* effects, QWidget* sample)
{
    const auto caption = [this](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    auto* grid = new QGridLayout(this);
    grid->addWidget(caption(tr("&Font:"), txtFamily), 0, 0);
    grid->addWidget(caption(tr("Font st&yle:"), lstStyle), 0, 1);
    grid->addWidget(caption(tr("&Size:"), txtSize), 0, 2);
    grid->addWidget(txtFamily, 1, 0);
    grid->addWidget(txtStyle, 1, 1);
    grid->addWidget(txtSize, 1, 2);
    grid->addWidget(lstFamily, 2, 0);
    grid->addWidget(lstStyle, 2, 1);
    grid->addWidget(lstSize, 2, 2);
    grid->addWidget(effects, 3, 0);
    grid->addWidget(sample, 3, 1, 1, 2);
    grid->addWidget(lblProblem, 4, 0, 1, 3);
    grid->addWidget(buttons_, 5, 0, 1, 3);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    setTabOrder(txtFamily, lstFamily);
    setTabOrder(lstFamily, lstStyle);
    setTabOrder(lstStyle, txtSize);
    setTabOrder(txtSize, lstSize);
    setTabOrder(lstSize, chkStrikeout);
    setTabOrder(chkStrikeout, chkUnderline);
    setTabOrder(chkUnderline, cmdColor);
    // Lists would ask for a quarter of the screen each.
    resize(minimumSizeHint().width() + fontMetrics().averageCharWidth() * 8, sizeHint().height());
}

// The scalable families in alphabetical order, and the given one wherever it is spelt
// differently or missing from the database.
void FontDialog::fillFamilies()
{
    QStringList families = ChooserFamilies();
    const QString& name = original_.Font.Name;
    QString match;
    for (const QString& family : std::as_const(families)) {
        if (family == name || (match.isEmpty() && !family.compare(name, Qt::CaseInsensitive)))
            match = family;
    }
    if (match.isEmpty()) {
        match = name;
        families << name;
    }
    QCollator order;
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(families.begin(), families.end(), order);
    lstFamily->addItems(families);
    const QList<QListWidgetItem*> found = lstFamily->findItems(match, Qt::MatchExactly);
    shownFamily_ = found.value(0);
    lstFamily->setCurrentItem(shownFamily_);
    txtFamily->setText(original_.Font.Name);
}

void FontDialog::connectControls()
{
    connect(txtFamily, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Typing looks the family up; the list follows without changing what is typed.
        for (int i = 0; i < lstFamily->count() && !text.isEmpty(); ++i) {
            if (lstFamily->item(i)->text().startsWith(text, Qt::CaseInsensitive)) {
                typing_ = true;
                lstFamily->setCurrentRow(i);
                typing_ = false;
                break;
            }
        }
        refresh();
    });
    connect(lstFamily, &QListWidget::currentItemChanged, this, [this] {
        if (!typing_)
            txtFamily->setText(lstFamily->currentItem()->text());
        showFamily();
        refresh();
    });
    connect(lstStyle, &QListWidget::currentRowChanged, this, [this](int row) {
        txtStyle->setText(row >= 0 ? lstStyle->item(row)->text() : QString());
        refresh();
    });
    connect(txtSize, &QLineEdit::textEdited, this, [this] {
        showSizeInList();
        refresh();
    });
    connect(lstSize, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        txtSize->setText(item->text());
        refresh();
    });
    connect(lstSize, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && lstSize->hasFocus()) {
            txtSize->setText(item->text());
            refresh();
        }
    });
    connect(chkStrikeout, &QCheckBox::toggled, this, [this] { refresh(); });
    connect(chkUnderline, &QCheckBox::toggled, this, [this] { refresh(); });
    connect(cmdColor, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(color_, this, tr("Color"));
        if (chosen.isValid()) {
            color_ = chosen;
            colorChosen_ = true;
            showColor();
            refresh();
        }
    });
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString FontDialog::family() const
{
    const QListWidgetItem* item = lstFamily->currentItem();
    return !item || item == shownFamily_ ? original_.Font.Name : item->text();
}

// The style names of the family now chosen, keeping the chosen style.
void FontDialog::showFamily()
{
    const QListWidgetItem* item = lstFamily->currentItem();
    const std::array<QString, StyleCount> names = styleNames(item ? item->text() : family());
    for (int row = 0; row < StyleCount; ++row)
        lstStyle->item(row)->setText(names[row]);
    if (lstStyle->currentItem())
        txtStyle->setText(lstStyle->currentItem()->text());
}

void FontDialog::showSizeInList()
{
    const std::optional<double> points = typedSize(txtSize->text());
    QListWidgetItem* match = nullptr;
    for (int i = 0; i < lstSize->count() && points; ++i) {
        if (lstSize->item(i)->text().toDouble() == *points)
            match = lstSize->item(i);
    }
    const QSignalBlocker quiet(lstSize);
    lstSize->setCurrentItem(match);
    if (match)
        lstSize->scrollToItem(match);
    else
        lstSize->clearSelection();
}

void FontDialog::showColor()
{
    const int side = fontMetrics().height();
    QPixmap swatch(side * 2, side);
    swatch.fill(color_);
    QPainter(&swatch).drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    cmdColor->setIcon(swatch);
    cmdColor->setIconSize(swatch.size());
    cmdColor->setText(color_.name().toUpper());
}

// What stands in the way of OK, if anything.
QString FontDialog::problem() const
{
    const QString typed = txtFamily->text().trimmed();
    const QListWidgetItem* item = lstFamily->currentItem();
    if (typed.isEmpty() || !item || !item->text().startsWith(typed, Qt::CaseInsensitive))
        return tr("There is no font with that name. Choose a font from the list of fonts.");
    if (!typedSize(txtSize->text()))
        return tr("The size must be a number of points above 0 and up to %1, with at most "
                  "four decimals.")
            .arg(PainterSurface::MaxFontPoints);
    return QString();
}

// The sample, the message and OK follow every change.
void FontDialog::refresh()
{
    const ChosenFont now = chosen();
    QFont sample(now.Font.Name);
    if (const std::optional<double> points = typedSize(txtSize->text()))
        sample.setPointSizeF(std::min(*points, 144.0));
    sample.setBold(now.Font.Bold);
    sample.setItalic(now.Font.Italic);
    sample.setStrikeOut(now.Font.Strikethrough);
    sample.setUnderline(now.Font.Underline);
    lblSample->setFont(sample);
    QPalette ink = lblSample->palette();
    ink.setColor(QPalette::WindowText, color_);
    lblSample->setPalette(ink);

    const QString text = problem();
    lblProblem->setText(text);
    lblProblem->setVisible(!text.isEmpty());
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(text.isEmpty());
}

} // namespace quenbrook
