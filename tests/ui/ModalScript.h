// Answers the modal windows a test opens, one scripted step each, with a deadline so nothing hangs.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Failures show a QString as its text, not its bytes.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace pennantry::test {

inline std::string Describe(QWidget* window)
{
    const auto* box = qobject_cast<QMessageBox*>(window);
    return std::string(window->metaObject()->className()) + ' ' + (box ? box->text() : window->windowTitle()).toStdString();
}

// A message box as Press records it: "caption|text", where no caption means the application's name.
inline std::string Box(std::string_view text, std::string_view caption = {})
{
    return (caption.empty() ? QCoreApplication::applicationName().toStdString() : std::string(caption)) + '|' + std::string(text);
}

// Each step waits for an active modal window it matches, then acts on it from the event loop (never
// inside the poll, so that an action may open another modal window). A step not reached, or a modal
// window still open after the last step, in 10 s (a limit that only ends a hung test), or a step
// that never ran fails the test; after a failure every modal window is rejected, so the test ends
// instead of hanging.
class ModalScript {
public:
    using Act = std::function<void(QWidget*)>;

    ModalScript()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
        since_.start();
    }
    ~ModalScript()
    {
        EXPECT_EQ(next_, steps_.size()) << "steps that never ran";
        for (const std::string& failure : failures_)
            ADD_FAILURE() << failure;
    }

    ModalScript& Then(std::function<bool(QWidget*)> match, Act act)
    {
        steps_.push_back({std::move(match), std::move(act)});
        return *this;
    }
    ModalScript& On(const QWidget* window, Act act) { return Then([window](QWidget* w) { return w == window; }, std::move(act)); }
    ModalScript& Press(QMessageBox::StandardButton button = QMessageBox::Ok)
    {
        return Then(Is<QMessageBox>, [this, button](QWidget* w) {
            auto* box = static_cast<QMessageBox*>(w);
            boxes_.push_back((box->windowTitle() + QLatin1Char('|') + box->text()).toStdString());
            if (box->button(button) == nullptr)
                failures_.push_back("no such button on " + Describe(w));
            else
                box->button(button)->click();
        });
    }
    template <class W>
    static bool Is(QWidget* window) { return qobject_cast<W*>(window) != nullptr; }
    const std::vector<std::string>& Boxes() const { return boxes_; }

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        const bool done = next_ == steps_.size();
        if (!failures_.empty() && modal != nullptr)
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        if (!failures_.empty() || busy_)
            return;
        if (!done && modal != nullptr && steps_[next_].first(modal)) {
            busy_ = true;
            QTimer::singleShot(0, &timer_, [this, target = QPointer<QWidget>(modal)] {
                busy_ = false;
                const Act act = steps_[next_++].second;
                since_.restart();
                if (target)
                    act(target);
            });
        } else if (done && modal == nullptr) {
            since_.restart();
        } else if (since_.elapsed() > 10000) {
            failures_.push_back((done ? "unexpected " : "timed out at step " + std::to_string(next_ + 1) + "; active: ")
                                + (modal ? Describe(modal) : "nothing"));
        }
    }

    std::vector<std::pair<std::function<bool(QWidget*)>, Act>> steps_;
    std::size_t next_ = 0;
    bool busy_ = false;
    QElapsedTimer since_;  // since the last step ran, or since no modal window was open once all had
    QTimer timer_;
    std::vector<std::string> failures_;
    std::vector<std::string> boxes_;
};

}  // namespace pennantry::test
