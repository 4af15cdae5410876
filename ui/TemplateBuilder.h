// Turns a dialog template's table into widgets, measured in dialog units as the original platform does.
#pragma once

#include <QDialog>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

#include "Commands.h"
#include "DialogTemplates.h"

class QFontMetrics;
class QStyle;

namespace pennantry {

// The font the dialogs are drawn in and the base units their rectangles are measured in. The
// units come from the reference font, and the text is drawn at its height; where a text would not
// fit its rectangle, its letters are set closer, never made smaller.
struct DialogFont {
    QFont Font;
    int BaseWidth = 0;
    int BaseHeight = 0;
};

// Chosen once for all four templates together, so that every dialog reads alike: "MS Sans Serif"
// 8pt where it exists, else a sans serif whose base units come nearest 6 x 13.
const DialogFont& TemplateFont();

// Base units as the platform measures them: the average width of the 52 letters, rounded, and
// the font's height.
void MeasureBaseUnits(const QFont& font, int& baseWidth, int& baseHeight);

// A rectangle in dialog units, in pixels: x * base width / 4, y * base height / 8.
QRect ToPixels(int x, int y, int width, int height, const DialogFont& font);

// The picture of a bitmap number (129 to 132) for a screen of this device pixel ratio: drawn at
// twice the pixels above 1; a null pixmap when the artwork is missing.
QPixmap Bitmap(int number, qreal devicePixelRatio);
// The program icon, 16 and 32 pixels, and twice that on a screen scaled above 1.
QIcon ProgramIcon();

// A template text as it is drawn: "&&" is one ampersand, a single "&" marks the access key.
QString DisplayText(const QString& text);
// Breaks a text at spaces so that no line is wider than width; a word wider than that keeps a
// line of its own. The access-key marks are kept and do not count toward the width.
QString WrapText(const QString& text, const QFontMetrics& metrics, int width);

// Where a wrapping radio button's text starts: past the indicator and its spacing.
int RadioTextIndent(const QStyle& style);

// A static picture or icon. One that reports clicks (the template's Notify style) also takes the
// focus by Tab, and Space clicks it, so the keyboard reaches it too.
class PictureLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// A group box drawn as the original platform draws it: the frame's top line runs through the
// middle of the title, so the frame stays clear of the first row of controls inside it.
class GroupFrame : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

    // The frame's lines and the title's place, in the box's own coordinates.
    QRect FrameRect() const;
    QRect TitleRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A push button that leaves Enter to its dialog, whose rules say what Enter gives wherever the
// focus is; Space still presses the focused button.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// An automatic radio button whose text wraps over as many lines as its rectangle needs; a click
// anywhere on it, text included, selects it.
class WrappingRadioButton : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

    QRect TextRect() const;
    static constexpr int TextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    // An arrow that moves the focus to another radio button picks it, as automatic radio buttons
    // do on the original platform; Qt picks it only when this one was picked.
    void keyPressEvent(QKeyEvent* event) override;
};

// Makes every control of the template on the dialog, in template order, which is also the tab
// order. Each widget is named after its identifier ("1016"); controls without one are named
// "-1". Sets the caption, the window's flags and its decorations, the font and the fixed size.
void BuildTemplate(QDialog& dialog, const DialogTemplate& dialogTemplate);

// The control with the given identifier, or nullptr.
template <class W = QWidget>
W* Control(const QWidget& dialog, int id)
{
    return dialog.findChild<W*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

// Every control of the dialog in template order.
QList<QWidget*> ControlsInOrder(const QDialog& dialog);

// Gives the focus to the first button of the tab order that can take it, as a dialog does when
// it first opens (a picture that takes clicks is no tab stop there).
void FocusFirstControl(QDialog& dialog);

// Enter or the keypad's Enter, with no modifier.
bool IsPlainEnter(const QKeyEvent& event);

// Puts the focus on the control that gives the command Enter gives, so that the player sees what
// Enter will press; on the first control when Enter gives nothing.
void FocusEnterCommand(QDialog& dialog, std::optional<Command> command);

}  // namespace pennantry
