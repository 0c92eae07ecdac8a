#include "tests/support/ModalHelper.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
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

QString Plain(QString text) { return text.remove('&'); }

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
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            qFatal("Expected a message box, found %s", modal->metaObject()->className());
        SeenMessages() << box->windowTitle() + "|" + box->text();
        if (caption)
            *caption = box->windowTitle();
        if (text)
            *text = box->text();
        QAbstractButton* button = FindButton(box, buttonText);
        if (!button)
            qFatal("Message box '%s' has no button '%s'", qPrintable(box->text()),
                   qPrintable(buttonText));
        button->click();
    });
}
