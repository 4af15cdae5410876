// Answers the modal windows a test opens, one scripted step per window or click, with a deadline.
#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "Random.h"

namespace pennantry::test {

// Polls QApplication::activeModalWidget(). Each step waits until the active modal window matches
// it, then acts on it from the event loop (never inside the poll, so an action may open another
// modal window). A step not reached within the deadline, or a modal window with no step left for
// it, is a failure; from then on every modal window is rejected, so the test ends instead of hanging.
class ModalScript : public QObject {
public:
    explicit ModalScript(int deadlineMs = 5000);
    ~ModalScript() override;

    using Match = std::function<bool(QWidget*)>;
    using Act = std::function<void(QWidget*)>;
    ModalScript& Then(const QString& what, Match match, Act act);

    // A message box: records "caption|text", then presses the given button.
    ModalScript& Press(QMessageBox::StandardButton button = QMessageBox::Ok);
    // A message box with exactly this text (and caption, when given): records it and presses OK.
    ModalScript& PressOkOn(const QString& text, const QString& caption = QString());
    // A dialog with a control of this identifier: clicks it.
    ModalScript& Click(int id);
    // Escape on the active modal window.
    ModalScript& Escape();

    // Everything went as scripted: every step ran and nothing failed.
    bool Finished() const { return failures_.isEmpty() && next_ == steps_.size(); }
    QString Report() const;
    const QStringList& Boxes() const { return boxes_; }

private:
    struct Step {
        QString What;
        Match Matches;
        Act Action;
    };
    void Poll();
    void Fail(const QString& why);

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    bool busy_ = false;
    bool bailing_ = false;
    int deadlineMs_;
    QElapsedTimer sinceProgress_;
    QElapsedTimer unexpectedSince_;
    static constexpr int UnexpectedGraceMs = 300;
    QTimer timer_;
    QStringList failures_;
    QStringList boxes_;
};

// Returns the numbers it was given, in order; a draw beyond them fails the test.
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::vector<int> draws = {}) : draws_(std::move(draws)) {}
    void Seed(std::uint32_t) override {}
    int Rand() override;
    void Add(std::vector<int> draws) { draws_.insert(draws_.end(), draws.begin(), draws.end()); }
    bool AllDrawn() const { return next_ == draws_.size(); }

private:
    std::vector<int> draws_;
    std::size_t next_ = 0;
};

// Closes every top-level window still shown; true when there was none.
bool NoWindowLeftOpen();

}  // namespace pennantry::test
