// Reading the dialog templates for the human face.
#include "TemplateText.h"

#include <cctype>
#include <cstdlib>

namespace pennantry {
namespace {

const DialogControl* BoundControl(std::string_view member)
{
    for (const auto& control : MainWindowTemplate().Controls)
        if (control.Member == member)
            return &control;
    return nullptr;
}

}  // namespace

AccessText Access(std::string_view text)
{
    AccessText out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && out.key == 0)
                out.key = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
        }
        out.text += text[i];
    }
    return out;
}

std::string_view ControlText(const DialogTemplate& dialog, int id)
{
    const DialogControl* control = FindControl(dialog, id);
    return control ? control->Text : std::string_view();
}

std::string MainCaption(std::string_view member)
{
    const DialogControl* field = BoundControl(member);
    const DialogControl* best = nullptr;
    if (!field)
        return std::string(member);
    for (const auto& control : MainWindowTemplate().Controls) {
        if (control.Kind != ControlKind::Label || control.Id != NoId)
            continue;
        if (std::abs(control.Y - field->Y) > 2 || control.X >= field->X)
            continue;
        if (!best || control.X > best->X)
            best = &control;
    }
    return best ? std::string(best->Text) : std::string(member);
}

std::string GroupCaption(std::string_view member)
{
    const DialogControl* field = BoundControl(member);
    if (!field)
        return "";
    for (const auto& control : MainWindowTemplate().Controls) {
        if (control.Kind != ControlKind::GroupBox)
            continue;
        if (field->X >= control.X && field->X < control.X + control.Width && field->Y >= control.Y &&
            field->Y < control.Y + control.Height)
            return std::string(control.Text);
    }
    return "";
}

std::string Scoreboard::*BoundMember(std::string_view member)
{
    for (const auto& field : ScoreboardFields)
        if (field.Name == member)
            return field.Member;
    return &Scoreboard::Balls;
}

std::vector<std::string_view> StaticTexts(const DialogTemplate& dialog)
{
    std::vector<std::string_view> texts;
    for (const auto& control : dialog.Controls)
        if (control.Kind == ControlKind::Label && control.Id == NoId)
            texts.push_back(control.Text);
    return texts;
}

}  // namespace pennantry
