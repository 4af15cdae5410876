// The About box: the program's icon, name and version; a click on the icon shows one fixed box.
#pragma once

#include <QDialog>

namespace pennantry {

class AboutBox final : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* owner);

    void OnAboutIconClicked();
};

}  // namespace pennantry
