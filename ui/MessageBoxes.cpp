// The two kinds of message box the game shows: OK only, and the Yes/No question.
#include "MessageBoxes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>

namespace pennantry {
namespace {

// Swallows Escape and close requests, so that only Yes or No can end the question.
class AnswerRequired final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

// A box as the game's platform draws it: no icon, in the box or on its buttons (a desktop style
// may put one on OK, Yes and No). An empty caption means the application's name.
void Prepare(QMessageBox& box, const QString& caption)
{
    box.setWindowTitle(caption.isEmpty() ? QCoreApplication::applicationName() : caption);
    // The game's texts are plain: a "<" in one must never turn it into markup.
    box.setTextFormat(Qt::PlainText);
    for (QAbstractButton* button : box.buttons())
        button->setIcon(QIcon());
}

}  // namespace

int ExecOver(QDialog& dialog)
{
    const QPointer<QWidget> owner = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    const int result = dialog.exec();
    if (owner && owner->isVisible())
        owner->activateWindow();
    return result;
}

void ShowOkBox(QWidget* owner, const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, owner);
    Prepare(box, caption);
    ExecOver(box);
}

bool AskYesNoBox(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Yes | QMessageBox::No, owner);
    Prepare(box, QString());
    AnswerRequired filter;
    box.installEventFilter(&filter);
    ExecOver(box);
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

}  // namespace pennantry
