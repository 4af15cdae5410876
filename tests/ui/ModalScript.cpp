// Answers the modal windows a test opens, one scripted step per window or click, with a deadline.
#include "ModalScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMetaObject>
#include <gtest/gtest.h>

namespace pennantry::test {
namespace {

QString Describe(QWidget* widget)
{
    if (auto* box = qobject_cast<QMessageBox*>(widget))
        return QStringLiteral("message box \"%1\"").arg(box->text());
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget->metaObject()->className()), widget->windowTitle());
}

}  // namespace

ModalScript::ModalScript(int deadlineMs) : deadlineMs_(deadlineMs)
{
    sinceProgress_.start();
    connect(&timer_, &QTimer::timeout, this, &ModalScript::Poll);
    timer_.start(5);
}

ModalScript::~ModalScript() { timer_.stop(); }

ModalScript& ModalScript::Then(const QString& what, Match match, Act act)
{
    steps_.push_back({what, std::move(match), std::move(act)});
    return *this;
}

ModalScript& ModalScript::Press(QMessageBox::StandardButton button)
{
    return Then(
        QStringLiteral("a message box"), [](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
        [this, button](QWidget* w) {
            auto* box = static_cast<QMessageBox*>(w);
            boxes_ << box->windowTitle() + QLatin1Char('|') + box->text();
            if (QAbstractButton* pressed = box->button(button))
                pressed->click();
            else
                Fail(QStringLiteral("no such button on ") + Describe(w));
        });
}

ModalScript& ModalScript::PressOkOn(const QString& text, const QString& caption)
{
    return Then(
        QStringLiteral("the box \"%1\"").arg(text),
        [text, caption](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            return box != nullptr && box->text() == text && (caption.isEmpty() || box->windowTitle() == caption);
        },
        [this](QWidget* w) {
            auto* box = static_cast<QMessageBox*>(w);
            boxes_ << box->windowTitle() + QLatin1Char('|') + box->text();
            box->button(QMessageBox::Ok)->click();
        });
}

ModalScript& ModalScript::Click(int id)
{
    const QString name = QString::number(id);
    return Then(
        QStringLiteral("a dialog with control %1").arg(id),
        [name](QWidget* w) { return w->findChild<QAbstractButton*>(name, Qt::FindDirectChildrenOnly) != nullptr; },
        [name](QWidget* w) { w->findChild<QAbstractButton*>(name, Qt::FindDirectChildrenOnly)->click(); });
}

ModalScript& ModalScript::Escape()
{
    return Then(
        QStringLiteral("any modal window"), [](QWidget*) { return true; },
        [](QWidget* w) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(w, &press);
        });
}

void ModalScript::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (bailing_) {
        if (modal != nullptr)
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        return;
    }
    if (busy_)
        return;
    if (next_ < steps_.size()) {
        if (modal != nullptr && steps_[next_].Matches(modal)) {
            busy_ = true;
            QPointer<QWidget> target(modal);
            QTimer::singleShot(0, this, [this, target] {
                busy_ = false;
                const Act action = steps_[next_++].Action;
                sinceProgress_.restart();
                if (target)
                    action(target);
            });
        } else if (sinceProgress_.elapsed() > deadlineMs_) {
            Fail(QStringLiteral("timed out waiting for %1; active: %2")
                     .arg(steps_[next_].What, modal ? Describe(modal) : QStringLiteral("nothing")));
        }
    } else if (modal == nullptr) {
        unexpectedSince_.invalidate();
    } else if (!unexpectedSince_.isValid()) {
        // A window whose handler is still closing it stays the active modal for a moment.
        unexpectedSince_.start();
    } else if (unexpectedSince_.elapsed() > UnexpectedGraceMs) {
        Fail(QStringLiteral("unexpected ") + Describe(modal));
    }
}

void ModalScript::Fail(const QString& why)
{
    failures_ << why;
    bailing_ = true;
}

QString ModalScript::Report() const
{
    QStringList lines = failures_;
    if (next_ < steps_.size())
        lines << QStringLiteral("step %1 of %2 never ran: %3").arg(next_ + 1).arg(steps_.size()).arg(steps_[next_].What);
    return lines.join(QLatin1Char('\n'));
}

int ScriptedRandom::Rand()
{
    if (next_ >= draws_.size()) {
        ADD_FAILURE() << "a draw beyond the scripted " << draws_.size();
        return 0;
    }
    return draws_[next_++];
}

bool NoWindowLeftOpen()
{
    bool none = true;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            none = false;
            widget->hide();
        }
    }
    return none;
}

}  // namespace pennantry::test
