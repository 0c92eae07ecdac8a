// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/SecondaryWindow.h"

#include "platform/Colours.h"
#include "platform/Fonts.h"
#include "platform/WindowFrame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

QPoint CentredOver(const QRect& main, QSize outer) {
    // C++ division truncates toward zero, also when this window is the larger one.
    return {main.left() + (main.width() - outer.width()) / 2,
            main.top() + (main.height() - outer.height()) / 2};
}

Qt::WindowFlags CloseBoxOnly(Qt::WindowType kind) {
    return kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
}

SecondaryWindow::SecondaryWindow(QWidget* mainWindow, Qt::WindowFlags flags, QSize clientSize,
                                 const QString& caption)
    : QDialog(mainWindow, flags), MainWindow(mainWindow) {
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setSizeGripEnabled(false);
    KeepOnButtonFace(*this);
    setAutoFillBackground(true);
    setFont(SansSerif(11));
}

int SecondaryWindow::ShowModal() {
    return exec();
}

void SecondaryWindow::setVisible(bool visible) {
    const bool opening = visible && !isVisible();
    if (opening)
        PlaceBeforeShowing();
    else if (!visible && isVisible())
        LastPosition = FrameOnScreen(*this).topLeft();
    QDialog::setVisible(visible);
    JustOpened = opening;
    // Whatever had the focus when the window closed, Enter and Space answer OK when it opens.
    if (opening && OkButton)
        OkButton->setFocus(Qt::OtherFocusReason);
}

void SecondaryWindow::SetOkButton(QPushButton* button) {
    OkButton = button;
    button->setFocus();
}

// A language written right to left reads a window from its right edge: the controls, placed as
// designed from the left, change sides once, before the window first shows.
void SecondaryWindow::MirrorOnce() {
    if (Mirrored || !isRightToLeft())
        return;
    Mirrored = true;
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setGeometry(QStyle::visualRect(Qt::RightToLeft, rect(), control->geometry()));
}

// Places the window by its outer frame. The native window is made first, so that the frame the
// window manager gave it at an earlier showing is known.
void SecondaryWindow::PlaceBeforeShowing() {
    MirrorOnce();
    create();
    const QMargins frame = ExpectedFrameExtents();
    if (!ShownBefore) {
        ShownBefore = true;
        LastPosition = CentredOver(MainFrame(), size().grownBy(frame));
        if (FrameExtents(*this).isNull())
            GuessedFrame = frame;
    }
    MoveFrameTo(*this, LastPosition, frame);
}

void SecondaryWindow::PlaceByOwnFrame() {
    const QMargins frame = GuessedFrame ? FrameExtents(*this) : QMargins();
    if (frame.isNull())
        return;
    const bool guessedRight = frame == *GuessedFrame;
    GuessedFrame.reset();
    if (guessedRight)
        return;
    LastPosition = CentredOver(MainFrame(), size().grownBy(frame));
    MoveFrameTo(*this, LastPosition, frame);
}

// Some window managers put a dialog over the middle of its owner by their own reckoning when it
// opens. By the time they hand it the focus they have placed it, and it goes back where it
// belongs; later moves are the player's.
void SecondaryWindow::ReturnToItsPlace() {
    const QMargins frame = FrameExtents(*this);
    if (!frame.isNull() && FrameOnScreen(*this).topLeft() != LastPosition)
        MoveFrameTo(*this, LastPosition, frame);
}

QRect SecondaryWindow::MainFrame() const {
    if (MainWindow)
        return FrameOnScreen(*MainWindow->window());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return {};
}

// Until this window has been framed once, the main window's frame, drawn by the same window
// manager, is the best guess of its own.
QMargins SecondaryWindow::ExpectedFrameExtents() const {
    const QMargins own = FrameExtents(*this);
    if (!own.isNull() || !MainWindow)
        return own;
    return FrameExtents(*MainWindow->window());
}

void SecondaryWindow::keyPressEvent(QKeyEvent* event) {
    // No cancel button: Escape must not close the window as QDialog would.
    if (event->key() == Qt::Key_Escape || event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    // No default button: Enter presses the button that has the focus, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SecondaryWindow::changeEvent(QEvent* event) {
    KeepDesignedSize(*this, *event);
    // A window of its own: New disables the main window while it generates, and Qt would grey
    // out the main window's child windows with it.
    if (event->type() == QEvent::EnabledChange && !isEnabled() &&
        !testAttribute(Qt::WA_ForceDisabled))
        setEnabled(true);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && JustOpened) {
        JustOpened = false;
        PlaceByOwnFrame();
        ReturnToItsPlace();
    }
    QDialog::changeEvent(event);
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    // The close box acts like OK. Accepting the close would also destroy the native window, and a
    // new one would come back where the window manager puts it, not where the player left it.
    event->ignore();
    hide();
}

QPlainTextEdit* SecondaryWindow::AddText(QRect geometry, const QFont& font, QWidget* parent) {
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
    KeepOnButtonFace(*text, QPalette::Base);
    return text;
}

QLabel* SecondaryWindow::AddLabel(QPoint position, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, this);
    label->setFont(font);
    label->adjustSize();
    label->move(position);
    return label;
}

QPushButton* SecondaryWindow::AddButton(QRect geometry, const QString& text) {
    auto* button = new QPushButton(text, this);
    button->setGeometry(geometry);
    // Not a default button: Enter belongs to the button with the focus (keyPressEvent).
    button->setAutoDefault(false);
    return button;
}
