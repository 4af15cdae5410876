// The About box: the program's icon, name and version; a click on the icon shows one fixed box.
#include "AboutBox.h"

#include <QPushButton>

#include "DialogTemplates.h"
#include "MessageBoxes.h"
#include "TemplateBuilder.h"

namespace pennantry {

AboutBox::AboutBox(QWidget* owner) : CommandDialog(owner)
{
    BuildTemplate(*this, AboutTemplate());
    connect(Control<PictureLabel>(*this, ids::AboutIcon), &PictureLabel::clicked, this, [this] { Perform(Command::AboutIcon); });
    Connect(Command::Ok);
    FocusEnterCommand(*this, rules_.EnterCommand());
}

void AboutBox::ShowIconMessage()
{
    ShowOkBox(this, QString::fromUtf8(AboutIconText.data(), static_cast<qsizetype>(AboutIconText.size())),
              QString::fromUtf8(AboutIconCaption.data(), static_cast<qsizetype>(AboutIconCaption.size())));
}

}  // namespace pennantry
