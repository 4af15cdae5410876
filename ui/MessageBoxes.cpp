// The two kinds of message box the game shows: OK only, and the Yes/No question.
#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMessageBox>

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

QString CaptionOrAppName(const QString& caption)
{
    return caption.isEmpty() ? QCoreApplication::applicationName() : caption;
}

}  // namespace

void ShowOkBox(QWidget* owner, const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, CaptionOrAppName(caption), text, QMessageBox::Ok, owner);
    // The game's texts are plain: a "<" in one must never turn it into markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool AskYesNoBox(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, CaptionOrAppName(QString()), text, QMessageBox::Yes | QMessageBox::No, owner);
    box.setTextFormat(Qt::PlainText);
    AnswerRequired filter;
    box.installEventFilter(&filter);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

}  // namespace pennantry
