// Turns a dialog template's table into widgets, measured in dialog units as the original platform does.
#include "TemplateBuilder.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "Controls.h"
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
constexpr std::array<LaterText, 1 + FieldLabels.size()> LaterTexts = [] {
    std::array<LaterText, 1 + FieldLabels.size()> texts{{{135, ids::BattleMessage, "ANNOUNCER: The monster lost 9 health points!"}}};
    for (std::size_t i = 0; i < FieldLabels.size(); ++i)
        texts[i + 1] = {102, FieldLabels[i].Label, "10"};
    return texts;
}();

// The room a text needs when drawn with these flags within width, as the widgets will draw it.
QSize Needed(const QFontMetrics& metrics, int width, int flags, const QString& text)
{
    // Most texts are one line with room to spare, and measuring a line is far cheaper at start-up
    // than laying the text out; a pixel is kept in hand for the layout's rounding.
    const QString shown = (flags & Qt::TextShowMnemonic) ? DisplayText(text) : text;
    const int advance = metrics.horizontalAdvance(shown);
    if (!text.contains(QLatin1Char('\n')) && advance + 1 < width)
        return QSize(advance + 1, metrics.height());
    return metrics.boundingRect(QRect(0, 0, width, 1000), flags, text).size();
}

// A PNG of the resources by its name without ".png": NAME@2x.png, marked as drawn for a device
// pixel ratio of 2, on a screen scaled above 1, else NAME.png; a null pixmap when it is missing.
// Naming the format spares the start-up the loading of every image plugin that guessing it would cost.
QPixmap ReadPng(const QString& name, qreal devicePixelRatio)
{
    const bool doubled = devicePixelRatio > 1.0;
    QImageReader reader(name + (doubled ? QStringLiteral("@2x.png") : QStringLiteral(".png")), "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull() && doubled)
        return ReadPng(name, 1.0);
    image.setDevicePixelRatio(doubled ? 2.0 : 1.0);
    return QPixmap::fromImage(image);
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

// One text and the rectangle its control gives it.
struct PlacedText {
    ControlKind Kind;
    unsigned Style;
    QString Text;
    QRect Rect;
};

// Every text of the four templates, and the longer ones the labels show later, placed in pixels.
std::vector<PlacedText> AllTexts(const DialogFont& units)
{
    std::vector<PlacedText> texts;
    const auto place = [&](const DialogControl& control, std::string_view text) {
        texts.push_back({control.Kind, control.Style, ToQString(text),
                         ToPixels(control.X, control.Y, control.Width, control.Height, units)});
    };
    for (const DialogTemplate* dialog : {&AboutTemplate(), &MainWindowTemplate(), &SkillUpgradeTemplate(), &BattleTemplate()})
        for (const DialogControl& control : dialog->Controls)
            place(control, control.Text);
    for (const LaterText& later : LaterTexts)
        if (const DialogControl* control = FindControl(later.Template == 135 ? BattleTemplate() : MainWindowTemplate(), later.Control))
            place(*control, later.Text);
    return texts;
}

// The texts that do not fit their rectangles in this font.
std::vector<PlacedText> TextsCutOff(const std::vector<PlacedText>& texts, const QFont& font)
{
    std::vector<PlacedText> cut;
    for (const PlacedText& text : texts)
        if (!TextFits(text.Kind, text.Style, text.Text, text.Rect, font))
            cut.push_back(text);
    return cut;
}

// Whether the font database holds a family. Asking for its styles reads that family alone, far
// cheaper at start-up than listing every family of the system.
bool HasFamily(const QString& family) { return !QFontDatabase::styles(family).isEmpty(); }

// Without "MS Sans Serif": DejaVu Sans Condensed, whose proportions are nearest it, else the
// platform's sans serif, at the pixel size whose base units come nearest 6 x 13. Each size
// measured costs start-up time, so the search walks from 11 pixels towards the target height.
QFont ReferenceFont()
{
    const QString templateFace = ToQString(MainWindowTemplate().FontFace);
    if (HasFamily(templateFace))
        return QFont(templateFace, MainWindowTemplate().FontPoints);

    const QString family = HasFamily(QStringLiteral("DejaVu Sans Condensed"))
                             ? QStringLiteral("DejaVu Sans Condensed")
                             : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QFont best(family);
    int bestDistance = -1;
    for (int pixels = 11, direction = 0; pixels >= 6 && pixels <= 30; pixels += direction) {
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
        const int towards = height < TargetBaseHeight ? 1 : -1;
        if (height == TargetBaseHeight || (direction != 0 && towards != direction))
            break;
        direction = towards;
    }
    return best;
}

DialogFont ChooseFont()
{
    DialogFont chosen;
    chosen.Font = ReferenceFont();
    MeasureBaseUnits(chosen.Font, chosen.BaseWidth, chosen.BaseHeight);
    // Setting letters closer never makes a text that fits wider, so only those cut off are tried.
    const std::vector<PlacedText> cut = TextsCutOff(AllTexts(chosen), chosen.Font);
    if (cut.empty())
        return chosen;

    // Set the letters closer, never make them smaller, until every text fits: the least tightening
    // that does, in tenths of a pixel. A spacing needs no font of its own, so trying one is cheap.
    const auto fits = [&](int tenths) {
        QFont tighter = chosen.Font;
        tighter.setLetterSpacing(QFont::AbsoluteSpacing, -tenths / 10.0);
        return TextsCutOff(cut, tighter).empty();
    };
    int low = 1;
    int high = 15;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (fits(middle))
            high = middle;
        else
            low = middle + 1;
    }
    chosen.Font.setLetterSpacing(QFont::AbsoluteSpacing, -low / 10.0);
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

QWidget* MakeButton(QDialog& dialog, const DialogControl& control, const QString& text, const QRect& rect)
{
    auto* button = new PushButton(&dialog);
    const QFontMetrics metrics(dialog.font());
    const int frame = dialog.style()->pixelMetric(QStyle::PM_DefaultFrameWidth)
                    + dialog.style()->pixelMetric(QStyle::PM_ButtonDefaultIndicator);
    button->setText((control.Style & MultiLine) ? WrapText(text, metrics, rect.width() - 2 * frame) : text);
    // Only the template's default button is ever the dialog's default.
    button->setAutoDefault((control.Style & DefaultButton) != 0);
    button->setDefault((control.Style & DefaultButton) != 0);
    return button;
}

QWidget* MakePicture(QDialog& dialog, const DialogControl& control, const QRect& rect)
{
    auto* picture = new PictureLabel(&dialog);
    const qreal ratio = dialog.devicePixelRatioF();
    const QPixmap pixmap = control.Kind == ControlKind::Icon ? ProgramIcon().pixmap(QSize(32, 32), ratio)
                                                             : Bitmap(control.Resource, ratio);
    if (control.Style & Sunken) {
        picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        picture->setLineWidth(1);
    }
    if (control.Style & Notify)
        picture->setFocusPolicy(Qt::TabFocus);
    if (control.Kind == ControlKind::Icon)
        picture->setAccessibleName(QStringLiteral("Pennantry icon"));
    if (!pixmap.isNull()) {
        picture->setPixmap(pixmap);
        // A picture takes the size of its bitmap, not of its rectangle.
        const int frame = 2 * picture->frameWidth();
        picture->setGeometry(QRect(rect.topLeft(), pixmap.deviceIndependentSize().toSize() + QSize(frame, frame)));
    } else {
        picture->setGeometry(rect);
    }
    return picture;
}

QWidget* MakeControl(QDialog& dialog, const DialogControl& control, const DialogFont& font)
{
    const QString text = ToQString(control.Text);
    const QRect rect = ToPixels(control.X, control.Y, control.Width, control.Height, font);
    QWidget* widget = nullptr;
    switch (control.Kind) {
    case ControlKind::PushButton:
        widget = MakeButton(dialog, control, text, rect);
        break;
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
        widget = new GroupFrame(text, &dialog);
        break;
    case ControlKind::Picture:
    case ControlKind::Icon:
        widget = MakePicture(dialog, control, rect);
        break;
    case ControlKind::RadioButton:
        widget = new WrappingRadioButton(text, &dialog);
        static_cast<QRadioButton*>(widget)->setAutoExclusive(true);
        break;
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

// Asks an X11 window manager for exactly the template's decorations and functions. Qt's own
// request allows every function (a close box, a maximise button) whenever the flags name none,
// so a dialog without a system menu would still get a close box.
class Decorations final : public QObject {
public:
    Decorations(QWidget& window, unsigned style) : QObject(&window), style_(style) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Before every mapping: the window exists by then, and Qt may have rewritten its hints.
        if (event->type() == QEvent::Show)
            Request(static_cast<QWidget*>(watched)->winId());
        return false;
    }

private:
    void Request(WId window) const
    {
        // The offscreen platform answers for X11 too, without a connection of its own.
        auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        if (x11 == nullptr || x11->connection() == nullptr || QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        enum : std::uint32_t { Functions = 1, DecorationsFlag = 2 };
        enum : std::uint32_t { FuncMove = 4, FuncMinimize = 8, FuncClose = 32 };
        enum : std::uint32_t { DecorBorder = 2, DecorTitle = 8, DecorMenu = 16, DecorMinimize = 32 };
        std::uint32_t hints[5] = {Functions | DecorationsFlag, FuncMove, DecorBorder | DecorTitle, 0, 0};
        if (style_ & SystemMenu) {
            hints[1] |= FuncClose;
            hints[2] |= DecorMenu;
        }
        if (style_ & MinimizeBox) {
            hints[1] |= FuncMinimize;
            hints[2] |= DecorMinimize;
        }
        xcb_connection_t* connection = x11->connection();
        static constexpr char name[] = "_MOTIF_WM_HINTS";
        xcb_intern_atom_reply_t* atom =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
        if (atom == nullptr)
            return;
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window), atom->atom,
                            atom->atom, 32, 5, hints);
        std::free(atom);
    }

    unsigned style_;
};

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

QPixmap Bitmap(int number, qreal devicePixelRatio)
{
    return ReadPng(QStringLiteral(":/pennantry/bitmap%1").arg(number), devicePixelRatio);
}

QIcon ProgramIcon()
{
    QIcon icon;  // a missing picture adds nothing
    for (const int size : {16, 32}) {
        const QString name = QStringLiteral(":/pennantry/icon%1-%2").arg(IconProgram).arg(size);
        icon.addPixmap(ReadPng(name, 1.0));
        // The doubled sizes only where a screen needs them: each picture read costs start-up time.
        if (qApp->devicePixelRatio() > 1.0)
            icon.addPixmap(ReadPng(name, 2.0));
    }
    return icon;
}

QString DisplayText(const QString& text) { return QString::fromStdString(Access(text.toStdString()).text); }

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

void PictureLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

void PictureLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QStylePainter painter(this);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

QRect GroupFrame::FrameRect() const
{
    const int half = fontMetrics().height() / 2;
    return rect().adjusted(0, half, -1, -1);
}

QRect GroupFrame::TitleRect() const
{
    const QFontMetrics metrics = fontMetrics();
    return QRect(metrics.averageCharWidth(), 0, metrics.horizontalAdvance(DisplayText(title())), metrics.height());
}

void GroupFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The etched line of the original platform: a dark line with a light one beside it.
    const QRect frame = FrameRect();
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1).adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    const QRect place = TitleRect();
    // The line breaks for the title, a pixel either side of its text.
    painter.fillRect(place.adjusted(-2, 0, 2, 0), palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(place, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, title());
}

void PushButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->ignore();
    else
        QPushButton::keyPressEvent(event);
}

bool IsPlainEnter(const QKeyEvent& event)
{
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
           && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void FocusEnterCommand(QDialog& dialog, std::optional<Command> command)
{
    // Styles draw the focus only once the keyboard has moved it; the game moves it for the
    // keyboard here, after a click too, and the player must see it.
    dialog.setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget* control = command ? Control(dialog, ControlOf(*command)) : nullptr;
    if (control != nullptr && control->isEnabled())
        control->setFocus(Qt::TabFocusReason);
    else if (!command)
        FocusFirstControl(dialog);
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

void WrappingRadioButton::keyPressEvent(QKeyEvent* event)
{
    QRadioButton::keyPressEvent(event);
    const int key = event->key();
    auto* moved = qobject_cast<QRadioButton*>(window()->focusWidget());
    if ((key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right) && moved
        && moved != this && !moved->isChecked())
        moved->click();
}

void BuildTemplate(QDialog& dialog, const DialogTemplate& dialogTemplate)
{
    const DialogFont& font = TemplateFont();
    dialog.setWindowFlags(WindowFlagsFor(dialogTemplate.Style));
    new Decorations(dialog, dialogTemplate.Style);
    dialog.setWindowTitle(ToQString(dialogTemplate.Caption));
    dialog.setFont(font.Font);
    dialog.setFixedSize(ToPixels(0, 0, dialogTemplate.Width, dialogTemplate.Height, font).size());

    std::vector<QWidget*> focusable;
    std::vector<QWidget*> groups;
    int index = 0;
    for (const DialogControl& control : dialogTemplate.Controls) {
        QWidget* widget = MakeControl(dialog, control, font);
        widget->setProperty(TemplateIndexProperty, index++);
        if (control.Kind == ControlKind::PushButton || control.Kind == ControlKind::RadioButton || (control.Style & Notify))
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
        if (qobject_cast<QAbstractButton*>(control) && (control->focusPolicy() & Qt::TabFocus) && control->isEnabled()
            && !control->isHidden()) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

}  // namespace pennantry
