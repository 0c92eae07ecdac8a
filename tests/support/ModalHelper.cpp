#include "tests/support/ModalHelper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

void Poll(std::function<void(QWidget*)> answer, QElapsedTimer clock, int timeoutMs) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
        answer(modal);
        return;
    }
    if (clock.elapsed() > timeoutMs)
        qFatal("No modal window appeared within %d ms", timeoutMs);
    QTimer::singleShot(10, [=] { Poll(answer, clock, timeoutMs); });
}

QString Plain(QString text) {
    return text.remove('&');
}

} // namespace

void WhenModal(std::function<void(QWidget*)> answer, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(0, [=] { Poll(answer, clock, timeoutMs); });
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

void AnswerMessageBox(const QString& buttonText, QString* caption, QString* text) {
    WhenModal([=](QWidget* modal) {
        if (!qobject_cast<QMessageBox*>(modal))
            qFatal("Expected a message box, found %s", modal->metaObject()->className());
        Press(buttonText, caption, text)(modal);
    });
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
            qFatal("Window '%s' has no button '%s'", qPrintable(window->windowTitle()),
                   qPrintable(buttonText));
        button->click();
    };
}

Answer TypeAndPress(const QString& typed, const QString& buttonText) {
    return [=](QWidget* window) {
        auto* field = window->findChild<QLineEdit*>();
        if (!field)
            qFatal("Window '%s' has no text field", qPrintable(window->windowTitle()));
        field->setText(typed);
        Press(buttonText)(window);
    };
}

Answer After(int ms, Answer answer) {
    return [=](QWidget* window) { QTimer::singleShot(ms, [=] { answer(window); }); };
}

namespace {

// Starts on the rest of the answers once `window` has closed.
void AfterClosing(QPointer<QWidget> window, QList<Answer> rest) {
    if (window && window->isVisible()) {
        QTimer::singleShot(10, [=] { AfterClosing(window, rest); });
        return;
    }
    AnswerInOrder(rest);
}

} // namespace

void AnswerInOrder(QList<Answer> answers) {
    if (answers.isEmpty())
        return;
    WhenModal([answers](QWidget* window) {
        QList<Answer> rest = answers;
        const Answer first = rest.takeFirst();
        first(window);
        AfterClosing(window, rest);
    });
}
