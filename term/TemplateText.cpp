// Reading the dialog templates for the human face.
#include "TemplateText.h"

#include <cctype>

namespace pennantry {
namespace {

const ScoreboardField* FieldNamed(std::string_view member)
{
    for (const auto& field : ScoreboardFields)
        if (field.Name == member)
            return &field;
    return nullptr;
}

}  // namespace

std::string_view ControlText(const DialogTemplate& dialog, int id)
{
    const DialogControl* control = FindControl(dialog, id);
    return control ? control->Text : std::string_view();
}

std::string MainCaption(std::string_view member)
{
    return FieldNamed(member) ? std::string(LabelOf(member).Caption) : std::string(member);
}

std::string GroupCaption(std::string_view member)
{
    return FieldNamed(member) ? std::string(LabelOf(member).Group) : "";
}

std::string Scoreboard::*BoundMember(std::string_view member)
{
    const ScoreboardField* field = FieldNamed(member);
    return field ? field->Member : &Scoreboard::Balls;
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
