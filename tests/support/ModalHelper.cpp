// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ModalHelper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>

namespace {

// How long a modal window may wait for code of the test that answers it in its own way.
int UnexpectedAfterMs = 500;
constexpr int TickMs = 10;

QString Plain(QString text) {
    return text.remove('&');
}

// The test function running now, with its data row.
QString CurrentTest() {
    const char* function = QTest::currentTestFunction();
    if (!function)
        return {};
    const char* row = QTest::currentDataTag();
    return row ? QString("%1(%2)").arg(function, row) : QString(function);
}

QString Place(const std::source_location& where) {
    return QString("%1:%2").arg(where.file_name()).arg(where.line());
}

// Caption and text of a window, for failure messages.
QString Describe(QWidget* window) {
    QString text;
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        text = box->text();
    } else if (auto* input = qobject_cast<QInputDialog*>(window)) {
        text = input->labelText();
    } else {
        QStringList labels;
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->isVisible() && !label->text().isEmpty())
                labels << label->text();
        text = labels.join(" / ");
    }
    return QString("%1 '%2': \"%3\"")
        .arg(window->metaObject()->className(), window->windowTitle(), text);
}

// Records a failure in the running test; outside a test function there is nothing to fail.
void Fail(const QString& message, const char* file, int line) {
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), file, line);
    else
        qFatal("%s", qPrintable(message));
}

void Close(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window))
        dialog->done(QDialog::Rejected);
    else
        window->close();
}

void FailAndClose(QWidget* window, const QString& message) {
    Fail(message, __FILE__, __LINE__);
    Close(window);
}

// Answers queued together, for modal windows that come up one after the other: each next one
// waits until the window that the one before it answered has closed.
struct Queued {
    QList<Answer> Chain;
    int TimeoutMs;
    std::source_location Where;
    QString Test;
};

// The rest of a chain, waiting for its window to close.
struct Continuation {
    QPointer<QWidget> Window;
    Queued Rest;
};

// Hands the queued answers to the modal windows as they come up, and fails a test on a window
// that nobody answers.
class Watchdog : public QObject {
  public:
    // The watchdog of the running application: made with it, gone with it.
    static Watchdog& Instance() {
        static QPointer<Watchdog> watchdog;
        if (!watchdog) {
            if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
                qFatal("Modal windows are answered only in a widget test's QApplication");
            watchdog = new Watchdog(qApp);
        }
        return *watchdog;
    }

    void Queue(QList<Answer> chain, int timeoutMs, std::source_location where) {
        DropStale();
        if (!chain.isEmpty())
            Enqueue({std::move(chain), timeoutMs, where, CurrentTest()});
    }

    void Finish() {
        if (Pending() > 0 && !QTest::currentTestFailed()) {
            const std::source_location where = FirstPending().Where;
            Fail(QString("%1 answer(s) queued for a modal window that never came up, the first "
                         "at %2")
                     .arg(Pending())
                     .arg(Place(where)),
                 where.file_name(), int(where.line()));
        }
        EndAnswers();
    }

    // Parent of the timers that answers start; they end with the test.
    QObject* Scope() {
        if (!TestScope)
            TestScope = std::make_unique<QObject>();
        return TestScope.get();
    }

  private:
    explicit Watchdog(QObject* parent) : QObject(parent) {
        connect(&Timer, &QTimer::timeout, this, [this] { Tick(); });
        Timer.start(TickMs);
    }

    void Enqueue(Queued queued) {
        if (Answers.empty())
            Waiting.start();
        Answers.push_back(std::move(queued));
    }

    qsizetype Pending() const {
        qsizetype count = 0;
        for (const Queued& queued : Answers)
            count += queued.Chain.size();
        for (const Continuation& continuation : Continuations)
            count += continuation.Rest.Chain.size();
        return count;
    }

    const Queued& FirstPending() const {
        return Continuations.empty() ? Answers.front() : Continuations.front().Rest;
    }

    void EndAnswers() {
        Answers.clear();
        Continuations.clear();
        TestScope.reset();
        for (const QPointer<QWidget>& window : Handled)
            if (window)
                window->removeEventFilter(this);
        Handled.clear();
    }

    // An answered window is done with once it hides, even when it comes up again at once; the
    // rest of its chain is queued then.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            watched->removeEventFilter(this);
            Handled.removeIf([watched](const QPointer<QWidget>& window) {
                return !window || window.data() == watched;
            });
            ContinueAfter(watched);
        }
        return false;
    }

    // Null continues the chains whose window has gone.
    void ContinueAfter(const QObject* closed) {
        for (auto it = Continuations.begin(); it != Continuations.end();) {
            if (it->Window.data() == closed) {
                Enqueue(std::move(it->Rest));
                it = Continuations.erase(it);
            } else {
                ++it;
            }
        }
    }

    // Answers queued by a test that has ended without FinishAnswers never run: they may point
    // at that test's locals.
    void DropStale() {
        if (Pending() == 0 || FirstPending().Test == CurrentTest())
            return;
        const Queued& first = FirstPending();
        const QString message =
            QString("%1 answer(s) queued in %2 at %3 for a modal window that never came up")
                .arg(Pending())
                .arg(first.Test, Place(first.Where));
        EndAnswers();
        Fail(message, __FILE__, __LINE__);
    }

    void Tick() {
        DropStale();
        Handled.removeIf([](const QPointer<QWidget>& window) { return !window; });
        ContinueAfter(nullptr);
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !modal->isVisible())
            modal = nullptr;
        if (!modal) {
            Unexpected = nullptr;
            if (Handled.isEmpty())
                CheckWaiting();
            else
                Waiting.restart();
            return;
        }
        if (Handled.contains(modal)) {
            Waiting.restart();
            return;
        }
        if (!Answers.empty()) {
            Hand(modal);
            return;
        }
        if (Unexpected != modal) {
            Unexpected = modal;
            UnexpectedSince.start();
        } else if (UnexpectedSince.elapsed() >= UnexpectedAfterMs) {
            Unexpected = nullptr;
            FailAndClose(modal, "Unexpected modal window " + Describe(modal));
        }
    }

    // The answer runs from a timer of its own, so that the watchdog goes on ticking in the
    // event loops that the answer opens.
    void Hand(QWidget* modal) {
        Queued queued = std::move(Answers.front());
        Answers.pop_front();
        const Answer answer = queued.Chain.takeFirst();
        if (!queued.Chain.isEmpty())
            Continuations.push_back({modal, std::move(queued)});
        Handled << modal;
        modal->installEventFilter(this);
        Unexpected = nullptr;
        Waiting.restart();
        QPointer<QWidget> window(modal);
        QTimer::singleShot(0, Scope(), [window, answer] {
            if (window)
                answer(window);
        });
    }

    void CheckWaiting() {
        if (Answers.empty() || Waiting.elapsed() <= Answers.front().TimeoutMs)
            return;
        const Queued first = std::move(Answers.front());
        Answers.pop_front();
        Waiting.restart();
        Fail(QString("No modal window came up within %1 ms for the answer queued at %2")
                 .arg(first.TimeoutMs)
                 .arg(Place(first.Where)),
             first.Where.file_name(), int(first.Where.line()));
    }

    QTimer Timer;
    std::deque<Queued> Answers;
    std::deque<Continuation> Continuations;
    QElapsedTimer Waiting;
    QList<QPointer<QWidget>> Handled;
    QPointer<QWidget> Unexpected;
    QElapsedTimer UnexpectedSince;
    std::unique_ptr<QObject> TestScope;
};

} // namespace

void AllowUnansweredModals(int ms) {
    UnexpectedAfterMs = ms;
}

void StartModalWatchdog() {
    // Only widget tests have modal windows.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        Watchdog::Instance();
}

void WhenModal(Answer answer, int timeoutMs, std::source_location where) {
    Watchdog::Instance().Queue({std::move(answer)}, timeoutMs, where);
}

void FinishAnswers() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        Watchdog::Instance().Finish();
}

QAbstractButton* FindButton(QWidget* window, const QString& text) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (Plain(button->text()) == Plain(text))
            return button;
    return nullptr;
}

QStringList& SeenMessages() {
    static QStringList seen;
    return seen;
}

void AnswerMessageBox(const QString& buttonText, QString* caption, QString* text,
                      std::source_location where) {
    WhenModal(
        [=](QWidget* modal) {
            if (!qobject_cast<QMessageBox*>(modal))
                return FailAndClose(modal, "Expected a message box, found " + Describe(modal));
            Press(buttonText, caption, text)(modal);
        },
        10000, where);
}

Answer Press(const QString& buttonText, QString* caption, QString* text) {
    return [=](QWidget* window) {
        if (auto* box = qobject_cast<QMessageBox*>(window)) {
            SeenMessages() << box->windowTitle() + "|" + box->text();
            if (caption)
                *caption = box->windowTitle();
            if (text)
                *text = box->text();
        }
        QAbstractButton* button = FindButton(window, buttonText);
        if (!button)
            return FailAndClose(window,
                                QString("No button '%1' on %2").arg(buttonText, Describe(window)));
        button->click();
    };
}

Answer TypeAndPress(const QString& typed, const QString& buttonText) {
    return [=](QWidget* window) {
        auto* field = window->findChild<QLineEdit*>();
        if (!field)
            return FailAndClose(window, "No text field on " + Describe(window));
        field->setText(typed);
        Press(buttonText)(window);
    };
}

Answer After(int ms, Answer answer) {
    return [=](QWidget* window) {
        QPointer<QWidget> guard(window);
        QTimer::singleShot(ms, Watchdog::Instance().Scope(), [=] {
            if (guard)
                answer(guard);
        });
    };
}

void AnswerInOrder(QList<Answer> answers, std::source_location where) {
    Watchdog::Instance().Queue(std::move(answers), 10000, where);
}
