// The widgets built from each template: identifiers, texts, states and pictures, with no text cut off.
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

#include "DialogTemplates.h"
#include "Scoreboard.h"
#include "TemplateBuilder.h"

namespace pennantry {
namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString ShownText(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return group->title();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    return {};
}

// Where a control draws its text and the room it must stay inside, in the dialog's coordinates.
std::pair<QRect, QRect> PlaceOfText(QWidget* widget)
{
    const QFontMetrics metrics(widget->font());
    QRect room, text;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        room = label->contentsRect();
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        text = metrics.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | wrap, label->text());
    } else if (auto* radio = qobject_cast<WrappingRadioButton*>(widget)) {
        room = radio->TextRect();
        text = metrics.boundingRect(room, WrappingRadioButton::TextFlags, radio->text());
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.features = button->autoDefault() ? QStyleOptionButton::AutoDefaultButton : QStyleOptionButton::None;
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        text = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
    } else if (auto* group = qobject_cast<GroupFrame*>(widget)) {
        room = group->rect();
        text = group->TitleRect();
    }
    return {text.translated(widget->pos()), room.translated(widget->pos())};
}

using EachTemplate = testing::TestWithParam<const DialogTemplate*>;

// Runs at the screen's scale too (QT_SCALE_FACTOR=2): pictures drawn for it, text no smaller.
TEST_P(EachTemplate, BuildsEveryControlWithItsIdTextStateWholePictureAndTabStopAndCutsOffNoText)
{
    const DialogTemplate& dialogTemplate = *GetParam();
    QDialog dialog;
    BuildTemplate(dialog, dialogTemplate);
    EXPECT_EQ(dialog.windowTitle(), Q(dialogTemplate.Caption));
    const QList<QWidget*> controls = ControlsInOrder(dialog);
    ASSERT_EQ(controls.size(), static_cast<qsizetype>(dialogTemplate.Controls.size()));
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const DialogControl& control = dialogTemplate.Controls[static_cast<std::size_t>(i)];
        QWidget* widget = controls[i];
        SCOPED_TRACE(control.Id);
        EXPECT_EQ(widget->isEnabled(), (control.Style & Disabled) == 0);
        EXPECT_EQ(widget->isHidden(), (control.Style & Hidden) != 0);
        // Text at the height the rectangles are laid out for; every control that acts, reached by Tab.
        EXPECT_EQ(QFontMetrics(widget->font()).height(), TemplateFont().BaseHeight);
        const bool acts = control.Kind == ControlKind::PushButton || control.Kind == ControlKind::RadioButton || (control.Style & Notify);
        EXPECT_EQ((widget->focusPolicy() & Qt::TabFocus) != 0, acts);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->isDefault(), (control.Style & DefaultButton) != 0);
        }
        if (control.Kind == ControlKind::Picture || control.Kind == ControlKind::Icon) {
            // Missing artwork would leave an empty frame; a picture sized to its rectangle would crop.
            const QPixmap pixmap = static_cast<QLabel*>(widget)->pixmap();
            ASSERT_FALSE(pixmap.isNull());
            EXPECT_EQ(static_cast<QLabel*>(widget)->contentsRect().size(), pixmap.deviceIndependentSize().toSize());
            EXPECT_EQ(pixmap.devicePixelRatio(), dialog.devicePixelRatioF() > 1 ? 2.0 : 1.0);
        } else {
            EXPECT_EQ(ShownText(widget), Q(control.Text));
        }
    }

    // The widest texts the labels show later must fit too: two-digit scores, innings and levels
    // (the half is only ever "T" or "B").
    for (const FieldLabel& field : FieldLabels)
        if (&dialogTemplate == &MainWindowTemplate() && field.Name != "InningHalf")
            Control<QLabel>(dialog, field.Label)->setText(QStringLiteral("10"));
    if (&dialogTemplate == &BattleTemplate())
        Control<QLabel>(dialog, ids::BattleMessage)->setText(QStringLiteral("ANNOUNCER: The monster lost 9 health points!"));
    QList<QRect> texts;
    for (QWidget* widget : controls) {
        if (ShownText(widget).isEmpty())
            continue;
        const auto [text, room] = PlaceOfText(widget);
        SCOPED_TRACE(ShownText(widget).toStdString());
        EXPECT_TRUE(room.contains(text)) << "needs " << text.width() << "x" << text.height() << ", has " << room.width() << "x" << room.height();
        for (const QRect& other : texts)
            EXPECT_FALSE(text.intersects(other)) << "overlaps another text";
        if (!qobject_cast<QGroupBox*>(widget))
            texts << text;
    }
    // A group's frame runs through the middle of its title and crosses no text inside it.
    for (auto* group : dialog.findChildren<GroupFrame*>()) {
        const QRect frame = group->FrameRect().translated(group->pos());
        EXPECT_NEAR(group->TitleRect().translated(group->pos()).center().y(), frame.top(), 1);
        for (const QRect& text : texts)
            for (const QRect& line : {QRect(frame.left(), frame.top(), frame.width(), 2), QRect(frame.left(), frame.bottom() - 1, frame.width(), 2),
                                      QRect(frame.left(), frame.top(), 2, frame.height()), QRect(frame.right() - 1, frame.top(), 2, frame.height())})
                EXPECT_FALSE(line.intersects(text)) << group->title().toStdString() << " crosses a text";
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, EachTemplate,
                         testing::Values(&AboutTemplate(), &MainWindowTemplate(), &SkillUpgradeTemplate(), &BattleTemplate()),
                         [](const auto& info) { return std::to_string(info.param->Id); });

}  // namespace
}  // namespace pennantry
