// The widgets built from each template: identifiers, texts, states, sizes, tab order, and fit.
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

#include "DialogTemplates.h"
#include "ModalScript.h"
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

// Where a control's text is drawn and the rectangle it must stay inside, in the dialog's coordinates.
struct TextPlace {
    QRect Text;
    QRect Room;
};

TextPlace PlaceOfText(QWidget* widget)
{
    const QFontMetrics metrics(widget->font());
    const QPoint origin = widget->pos();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QRect room = label->contentsRect();
        const QRect text = metrics.boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
        return {text.translated(origin), room.translated(origin)};
    }
    if (auto* radio = qobject_cast<WrappingRadioButton*>(widget)) {
        const QRect room = radio->TextRect();
        return {metrics.boundingRect(room, WrappingRadioButton::TextFlags, radio->text()).translated(origin), room.translated(origin)};
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.features = button->autoDefault() ? QStyleOptionButton::AutoDefaultButton : QStyleOptionButton::None;
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect text = metrics.boundingRect(room, Qt::AlignCenter | Qt::TextShowMnemonic, button->text());
        return {text.translated(origin), room.translated(origin)};
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.textAlignment = group->alignment();
        const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        const QRect text(label.topLeft(), QSize(metrics.horizontalAdvance(group->title()), metrics.height()));
        return {text.translated(origin), group->rect().translated(origin)};
    }
    return {};
}

const DialogTemplate* const AllTemplates[] = {&AboutTemplate(), &MainWindowTemplate(), &SkillUpgradeTemplate(), &BattleTemplate()};

class EachTemplate : public testing::TestWithParam<const DialogTemplate*> {
protected:
    void SetUp() override { BuildTemplate(dialog, *GetParam()); }
    void TearDown() override { EXPECT_TRUE(test::NoWindowLeftOpen()); }
    QDialog dialog;
};

TEST_P(EachTemplate, BuildsEveryControlInOrderWithItsIdTextAndInitialState)
{
    const DialogTemplate& dialogTemplate = *GetParam();
    const QList<QWidget*> controls = ControlsInOrder(dialog);
    ASSERT_EQ(controls.size(), static_cast<qsizetype>(dialogTemplate.Controls.size()));
    EXPECT_EQ(dialog.windowTitle(), Q(dialogTemplate.Caption));
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const DialogControl& control = dialogTemplate.Controls[static_cast<std::size_t>(i)];
        QWidget* widget = controls[i];
        SCOPED_TRACE(control.Id);
        EXPECT_EQ(widget->objectName(), QString::number(control.Id));
        if (control.Kind != ControlKind::Picture && control.Kind != ControlKind::Icon) {
            EXPECT_EQ(ShownText(widget), Q(control.Text));
        }
        EXPECT_EQ(widget->isEnabled(), (control.Style & Disabled) == 0);
        EXPECT_EQ(widget->isHidden(), (control.Style & Hidden) != 0);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->isDefault(), (control.Style & DefaultButton) != 0);
        }
    }
}

TEST_P(EachTemplate, HasAFixedSizeAndTabsThroughItsButtonsInTemplateOrder)
{
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    QList<QWidget*> expected;
    for (QWidget* widget : ControlsInOrder(dialog))
        if (widget->focusPolicy() & Qt::TabFocus)
            expected << widget;
    ASSERT_FALSE(expected.isEmpty());
    QWidget* current = expected.front();
    for (qsizetype i = 1; i < expected.size(); ++i) {
        do
            current = current->nextInFocusChain();
        while (!(current->focusPolicy() & Qt::TabFocus) && current != expected.front());
        EXPECT_EQ(current, expected[i]) << "tab stop " << i;
    }
}

TEST_P(EachTemplate, ShowsEveryTextWhole)
{
    // The longest texts the labels show later count too.
    if (GetParam()->Id == 102) {
        for (const int id : {1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1018})
            Control<QLabel>(dialog, id)->setText(QStringLiteral("10"));
    }
    if (GetParam()->Id == 135)
        Control<QLabel>(dialog, ids::BattleMessage)->setText(QStringLiteral("ANNOUNCER: The monster lost 9 health points!"));

    QList<TextPlace> texts;
    for (QWidget* widget : ControlsInOrder(dialog)) {
        if (ShownText(widget).isEmpty())
            continue;
        const TextPlace place = PlaceOfText(widget);
        EXPECT_TRUE(place.Room.contains(place.Text))
            << widget->objectName().toStdString() << " \"" << ShownText(widget).toStdString() << "\" needs "
            << place.Text.width() << "x" << place.Text.height() << ", has " << place.Room.width() << "x" << place.Room.height();
        if (!qobject_cast<QGroupBox*>(widget))
            texts << place;
    }
    // No two texts run into each other.
    for (qsizetype i = 0; i < texts.size(); ++i)
        for (qsizetype j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(texts[i].Text.intersects(texts[j].Text)) << "texts " << i << " and " << j << " overlap";
}

INSTANTIATE_TEST_SUITE_P(Templates, EachTemplate, testing::ValuesIn(AllTemplates),
                         [](const auto& info) { return std::to_string(info.param->Id); });

TEST(TemplateBuilder, GivesPicturesTheSizeOfTheirBitmaps)
{
    QDialog dialog;
    BuildTemplate(dialog, MainWindowTemplate());
    const std::pair<int, QSize> pictures[] = {
        {ids::BatterPicture, {48, 48}}, {ids::FirstBasePicture, {48, 48}}, {ids::BallPicture, {42, 42}}};
    for (const auto& [id, size] : pictures)
        EXPECT_EQ(Control<QLabel>(dialog, id)->size(), size) << id;
    // The field has no identifier; it is the largest picture.
    QSize field;
    for (QWidget* widget : ControlsInOrder(dialog))
        if (auto* label = qobject_cast<PictureLabel*>(widget); label && label->width() > field.width())
            field = label->size();
    EXPECT_EQ(field, QSize(251, 260));
}

TEST(TemplateBuilder, MeasuresDialogUnitsFromTheFontsBaseUnits)
{
    const DialogFont& font = TemplateFont();
    // The layout and its artwork were drawn for base units near 6 x 13.
    EXPECT_NEAR(font.BaseWidth, 6, 1);
    EXPECT_NEAR(font.BaseHeight, 13, 2);
    DialogFont units{font.Font, 6, 13};
    EXPECT_EQ(ToPixels(14, 15, 167, 160, units), QRect(21, 24, 251, 260));
    EXPECT_EQ(ToPixels(0, 0, 359, 191, units).size(), QSize(539, 310));
}

TEST(TemplateBuilder, ShowsAccessKeysAndDoubledAmpersandsAsThePlatformDoes)
{
    EXPECT_EQ(DisplayText(QStringLiteral("Save && &Exit")), QStringLiteral("Save & Exit"));
    EXPECT_EQ(DisplayText(QStringLiteral("&Pitch")), QStringLiteral("Pitch"));
    const QFontMetrics metrics(TemplateFont().Font);
    const QString wrapped = WrapText(QStringLiteral("&Surrender Base"), metrics, metrics.horizontalAdvance(QStringLiteral("Surrender")));
    EXPECT_EQ(wrapped, QStringLiteral("&Surrender\nBase"));
    EXPECT_EQ(WrapText(QStringLiteral("Overlongword"), metrics, 5), QStringLiteral("Overlongword"));
}

}  // namespace
}  // namespace pennantry
