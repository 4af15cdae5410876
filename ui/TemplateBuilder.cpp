// Turns a dialog template's table into widgets, measured in dialog units as the original platform does.
#include "TemplateBuilder.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImageReader>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "Scoreboard.h"

namespace pennantry {
namespace {

// The dynamic property that keeps a control's place in its template; raising and lowering
// widgets reorders their parent's children, so that order cannot be trusted.
constexpr const char* TemplateIndexProperty = "pennantryTemplateIndex";

// The base units the templates were laid out for, and the artwork with them.
constexpr int TargetBaseWidth = 6;
constexpr int TargetBaseHeight = 13;

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A text a label shows later that is longer than its template text: the rectangles must hold it too.
struct LaterText {
    int Template;
    int Control;
    std::string_view Text;
};

// The battle's widest announcement (the hit points it shows never leave 1 to 50), and two digits
// in every scoreboard label (scores, innings and levels have no bound).
constexpr std::array<LaterText, 1 + ScoreboardFields.size()> LaterTexts = [] {
    std::array<LaterText, 1 + ScoreboardFields.size()> texts{{{135, ids::BattleMessage, "ANNOUNCER: The monster lost 9 health points!"}}};
    for (std::size_t i = 0; i < ScoreboardFields.size(); ++i)
        texts[i + 1] = {102, ScoreboardFields[i].Label, "10"};
    return texts;
}();

// The room a text needs when drawn with these flags within width, as the widgets will draw it.
QSize Needed(const QFontMetrics& metrics, int width, int flags, const QString& text)
{
    return metrics.boundingRect(QRect(0, 0, width, 1000), flags, text).size();
}

// A PNG of the resources; a null pixmap when it is missing. Naming the format spares the start-up
// the loading of every image plugin that guessing it would cost.
QPixmap ReadPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

bool Within(const QSize& needed, const QRect& room) { return needed.width() <= room.width() && needed.height() <= room.height(); }

// Whether a text fits the rectangle its kind of control gives it, drawn in this font.
bool TextFits(ControlKind kind, unsigned style, const QString& text, const QRect& rect, const QFont& font)
{
    if (text.isEmpty())
        return true;
    const QFontMetrics metrics(font);
    const QStyle& widgetStyle = *QApplication::style();
    switch (kind) {
    case ControlKind::PushButton: {
        const int frame = widgetStyle.pixelMetric(QStyle::PM_DefaultFrameWidth)
                        + widgetStyle.pixelMetric(QStyle::PM_ButtonDefaultIndicator);
        const QRect room = rect.adjusted(frame, frame, -frame, -frame);
        const QString lines = (style & MultiLine) ? WrapText(text, metrics, room.width()) : text;
        return Within(Needed(metrics, room.width(), Qt::AlignCenter | Qt::TextShowMnemonic, lines), room);
    }
    case ControlKind::Label:
        return Within(Needed(metrics, rect.width(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text), rect);
    case ControlKind::GroupBox:
        // The title sits inside the frame's corners, a few pixels in from each side.
        return metrics.horizontalAdvance(DisplayText(text)) + 4 * metrics.averageCharWidth() <= rect.width();
    case ControlKind::RadioButton: {
        const QRect room = rect.adjusted(RadioTextIndent(widgetStyle), 0, 0, 0);
        return Within(Needed(metrics, room.width(), WrappingRadioButton::TextFlags, text), room);
    }
    case ControlKind::Picture:
    case ControlKind::Icon:
        return true;
    }
    return true;
}

bool AllTextsFit(const QFont& font, const DialogFont& units)
{
    for (const DialogTemplate* dialog :
         {&AboutTemplate(), &MainWindowTemplate(), &SkillUpgradeTemplate(), &BattleTemplate()}) {
        for (const DialogControl& control : dialog->Controls) {
            const QRect rect = ToPixels(control.X, control.Y, control.Width, control.Height, units);
            if (!TextFits(control.Kind, control.Style, ToQString(control.Text), rect, font))
                return false;
        }
    }
    for (const LaterText& later : LaterTexts) {
        const DialogTemplate& dialog = later.Template == 135 ? BattleTemplate() : MainWindowTemplate();
        const DialogControl* control = FindControl(dialog, later.Control);
        if (control == nullptr)
            continue;
        const QRect rect = ToPixels(control->X, control->Y, control->Width, control->Height, units);
        if (!TextFits(control->Kind, control->Style, ToQString(later.Text), rect, font))
            return false;
    }
    return true;
}

// Without "MS Sans Serif": DejaVu Sans Condensed, whose proportions are nearest it, else the
// platform's sans serif, at the pixel size whose base units come nearest 6 x 13.
QFont ReferenceFont()
{
    const QStringList families = QFontDatabase::families();
    const QString templateFace = ToQString(MainWindowTemplate().FontFace);
    if (families.contains(templateFace))
        return QFont(templateFace, MainWindowTemplate().FontPoints);

    const QString family = families.contains(QStringLiteral("DejaVu Sans Condensed"))
                             ? QStringLiteral("DejaVu Sans Condensed")
                             : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont best(family);
    int bestDistance = -1;
    for (int pixels = 8; pixels <= 20; ++pixels) {
        QFont candidate(family);
        candidate.setPixelSize(pixels);
        int width = 0;
        int height = 0;
        MeasureBaseUnits(candidate, width, height);
        // Height first: a line too short clips text, a column a pixel wider only spreads it.
        const int distance = 2 * std::abs(height - TargetBaseHeight) + std::abs(width - TargetBaseWidth);
        if (bestDistance < 0 || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

DialogFont ChooseFont()
{
    DialogFont chosen;
    chosen.Font = ReferenceFont();
    MeasureBaseUnits(chosen.Font, chosen.BaseWidth, chosen.BaseHeight);

    // Step the text down until every text fits; the rectangles keep the reference's units.
    const bool byPixels = chosen.Font.pixelSize() > 0;
    for (int step = 0; step < 6 && !AllTextsFit(chosen.Font, chosen); ++step) {
        if (byPixels)
            chosen.Font.setPixelSize(chosen.Font.pixelSize() - 1);
        else
            chosen.Font.setPointSizeF(chosen.Font.pointSizeF() - 0.5);
    }
    return chosen;
}

Qt::WindowFlags WindowFlagsFor(unsigned style)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (style & AppWindow)
        flags |= Qt::Window;
    else if (style & ToolWindow)
        flags |= Qt::Tool;
    else
        flags |= Qt::Dialog;
    if (style & SystemMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (style & MinimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

QWidget* MakeControl(QDialog& dialog, const DialogControl& control, const DialogFont& font)
{
    const QString text = ToQString(control.Text);
    const QRect rect = ToPixels(control.X, control.Y, control.Width, control.Height, font);
    QWidget* widget = nullptr;
    switch (control.Kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(&dialog);
        const QFontMetrics metrics(font.Font);
        const int frame = dialog.style()->pixelMetric(QStyle::PM_DefaultFrameWidth)
                        + dialog.style()->pixelMetric(QStyle::PM_ButtonDefaultIndicator);
        button->setText((control.Style & MultiLine) ? WrapText(text, metrics, rect.width() - 2 * frame) : text);
        button->setDefault((control.Style & DefaultButton) != 0);
        widget = button;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(&dialog);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A static text of the platform wraps at word boundaries within its rectangle.
        label->setWordWrap(true);
        label->setText(text);
        widget = label;
        break;
    }
    case ControlKind::GroupBox:
        widget = new QGroupBox(text, &dialog);
        break;
    case ControlKind::Picture:
    case ControlKind::Icon: {
        auto* picture = new PictureLabel(&dialog);
        QPixmap pixmap = control.Kind == ControlKind::Icon ? ProgramIcon().pixmap(32, 32) : Bitmap(control.Resource);
        if (control.Style & Sunken) {
            picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            picture->setLineWidth(1);
        }
        if (!pixmap.isNull()) {
            picture->setPixmap(pixmap);
            // A picture takes the size of its bitmap, not of its rectangle.
            const int frame = 2 * picture->frameWidth();
            picture->setGeometry(QRect(rect.topLeft(), pixmap.deviceIndependentSize().toSize() + QSize(frame, frame)));
        } else {
            picture->setGeometry(rect);
        }
        widget = picture;
        break;
    }
    case ControlKind::RadioButton: {
        auto* radio = new WrappingRadioButton(text, &dialog);
        radio->setAutoExclusive(true);
        widget = radio;
        break;
    }
    }
    if (control.Kind != ControlKind::Picture && control.Kind != ControlKind::Icon)
        widget->setGeometry(rect);
    widget->setObjectName(QString::number(control.Id));
    if (control.Style & Disabled)
        widget->setEnabled(false);
    if (control.Style & Hidden)
        widget->hide();
    return widget;
}

}  // namespace

const DialogFont& TemplateFont()
{
    static const DialogFont font = ChooseFont();
    return font;
}

void MeasureBaseUnits(const QFont& font, int& baseWidth, int& baseHeight)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseWidth = static_cast<int>(std::lround(letters / 52.0));
    baseHeight = metrics.height();
}

QRect ToPixels(int x, int y, int width, int height, const DialogFont& font)
{
    const auto horizontal = [&](int units) { return static_cast<int>(std::lround(units * font.BaseWidth / 4.0)); };
    const auto vertical = [&](int units) { return static_cast<int>(std::lround(units * font.BaseHeight / 8.0)); };
    const int left = horizontal(x);
    const int top = vertical(y);
    return QRect(left, top, horizontal(x + width) - left, vertical(y + height) - top);
}

QPixmap Bitmap(int number) { return ReadPng(QStringLiteral(":/pennantry/bitmap%1.png").arg(number)); }

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32}) {
        const QPixmap pixmap = ReadPng(QStringLiteral(":/pennantry/icon%1-%2.png").arg(IconProgram).arg(size));
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    return icon;
}

QString DisplayText(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;  // "&x" shows x underlined; "&&" shows one ampersand
        else if (text[i] == QLatin1Char('&'))
            continue;
        shown += text[i];
    }
    return shown;
}

QString WrapText(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(DisplayText(longer)) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines.join(QLatin1Char('\n'));
}

int RadioTextIndent(const QStyle& style)
{
    return style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

QRect WrappingRadioButton::TextRect() const
{
    const int indent = RadioTextIndent(*style());
    return QRect(indent, 0, width() - indent, height());
}

void WrappingRadioButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    // The indicator stands beside the middle of the text block, as on the original platform.
    QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    indicator.moveTop((height() - indicator.height()) / 2);
    option.rect = indicator;
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);

    const QRect textRect = TextRect();
    painter.drawItemText(textRect, TextFlags, palette(), isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(textRect, TextFlags, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingRadioButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void BuildTemplate(QDialog& dialog, const DialogTemplate& dialogTemplate)
{
    const DialogFont& font = TemplateFont();
    dialog.setWindowFlags(WindowFlagsFor(dialogTemplate.Style));
    dialog.setWindowTitle(ToQString(dialogTemplate.Caption));
    dialog.setFont(font.Font);
    dialog.setFixedSize(ToPixels(0, 0, dialogTemplate.Width, dialogTemplate.Height, font).size());

    std::vector<QWidget*> focusable;
    std::vector<QWidget*> groups;
    int index = 0;
    for (const DialogControl& control : dialogTemplate.Controls) {
        QWidget* widget = MakeControl(dialog, control, font);
        widget->setProperty(TemplateIndexProperty, index++);
        if (control.Kind == ControlKind::PushButton || control.Kind == ControlKind::RadioButton)
            focusable.push_back(widget);
        else
            widget->setFocusPolicy(Qt::NoFocus);
        if (control.Kind == ControlKind::GroupBox)
            groups.push_back(widget);
    }
    // A group's frame stays behind the controls it surrounds.
    for (QWidget* group : groups)
        group->lower();
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1], focusable[i]);
}

QList<QWidget*> ControlsInOrder(const QDialog& dialog)
{
    QList<QWidget*> controls;
    for (QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->property(TemplateIndexProperty).isValid())
            controls << child;
    std::sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return a->property(TemplateIndexProperty).toInt() < b->property(TemplateIndexProperty).toInt();
    });
    return controls;
}

void FocusFirstControl(QDialog& dialog)
{
    for (QWidget* control : ControlsInOrder(dialog)) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled() && !control->isHidden()) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

}  // namespace pennantry
