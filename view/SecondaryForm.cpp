#include "view/SecondaryForm.h"

#include "platform/Fonts.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

QPoint CentredOver(const QRect& main, QSize outer) {
    // C++ division truncates toward zero, also when this window is the larger one.
    return {main.left() + (main.width() - outer.width()) / 2,
            main.top() + (main.height() - outer.height()) / 2};
}

Qt::WindowFlags CloseBoxOnly(Qt::WindowType kind) {
    return kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

SecondaryForm::SecondaryForm(QWidget* mainWindow, Qt::WindowFlags flags, QSize clientSize,
                             const QString& caption)
    : QDialog(mainWindow, flags), MainWindow(mainWindow) {
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setSizeGripEnabled(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(SansSerif(11));
}

int SecondaryForm::ShowModal() {
    return exec();
}

void SecondaryForm::setVisible(bool visible) {
    if (visible && !isVisible())
        PlaceBeforeShowing();
    else if (!visible && isVisible())
        LastPosition = pos();
    QDialog::setVisible(visible);
}

void SecondaryForm::PlaceBeforeShowing() {
    if (ShownBefore) {
        move(LastPosition);
        return;
    }
    ShownBefore = true;
    QRect main;
    QMargins frame;
    if (MainWindow) {
        const QWidget* window = MainWindow->window();
        main = window->frameGeometry();
        // This window's frame is known only once the window manager has framed it; until then
        // the main window's frame is the best guess of its size.
        const QRect inner = window->geometry();
        frame = QMargins(inner.left() - main.left(), inner.top() - main.top(),
                         main.right() - inner.right(), main.bottom() - inner.bottom());
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        main = screen->availableGeometry();
    }
    const QSize outer = size().grownBy(frame);
    move(CentredOver(main, outer));
}

void SecondaryForm::keyPressEvent(QKeyEvent* event) {
    // No cancel button: Escape must not close the window as QDialog would.
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SecondaryForm::changeEvent(QEvent* event) {
    // A window of its own: New disables the main window while it generates, and Qt would grey
    // out the main window's child windows with it.
    if (event->type() == QEvent::EnabledChange && !isEnabled() &&
        !testAttribute(Qt::WA_ForceDisabled))
        setEnabled(true);
    QDialog::changeEvent(event);
}

QPlainTextEdit* SecondaryForm::AddText(QRect geometry, const QFont& font, QWidget* parent) {
    auto* text = new QPlainTextEdit(parent ? parent : this);
    text->setGeometry(geometry);
    text->setFont(font);
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::NoTextInteraction);
    text->setContextMenuPolicy(Qt::NoContextMenu);
    text->setFocusPolicy(Qt::NoFocus); // skipped by Tab, so the window's button keeps the focus
    text->setFrameShape(QFrame::NoFrame);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->document()->setDocumentMargin(2);
    QPalette colours = text->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    text->setPalette(colours);
    return text;
}

QLabel* SecondaryForm::AddLabel(QPoint position, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, this);
    label->setFont(font);
    label->adjustSize();
    label->move(position);
    return label;
}

QPushButton* SecondaryForm::AddButton(QRect geometry, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setGeometry(geometry);
    return button;
}
