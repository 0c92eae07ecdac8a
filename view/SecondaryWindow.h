// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the five secondary windows share: a fixed client area on the button-face background,
// 11-pixel "MS Sans Serif" text, no default or cancel button (Escape does nothing, Enter presses
// the button that has the focus, and the OK button has it whenever the window opens), centred over
// the main window at its first showing and back where it was left at every later one. Each window
// is made once at start-up and only hidden and shown again afterwards: closing it only hides it.

#include <QDialog>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Top-left corner of a window of outer size `outer` centred over the outer rectangle `main`,
// halves truncated toward zero.
QPoint CentredOver(const QRect& main, QSize outer);

class SecondaryWindow : public QDialog {
    Q_OBJECT
  public:
    // Caption buttons: only a close box, unless `flags` asks otherwise.
    SecondaryWindow(QWidget* mainWindow, Qt::WindowFlags flags, QSize clientSize,
                    const QString& caption);

    // Shows the window modally, in a nested event loop, until it is closed.
    int ShowModal();

    void setVisible(bool visible) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    // At the first showing, once the window manager has framed the window: a frame of another
    // size than the guessed one (mutter's tool windows have a lower title bar than the main
    // window) moves the window to the centre by its own frame. Done once; later moves are the
    // player's.
    void PlaceByOwnFrame();

    // The button that has the focus whenever the window opens.
    void SetOkButton(QPushButton* button);

    // Controls as the windows were designed; children of this window unless `parent` is given.
    QPlainTextEdit* AddText(QRect geometry, const QFont& font, QWidget* parent = nullptr);
    QLabel* AddLabel(QPoint position, const QString& text, const QFont& font);
    QPushButton* AddButton(QRect geometry, const QString& text);

  private:
    void PlaceBeforeShowing();
    void MirrorOnce();
    QRect MainFrame() const;
    QMargins ExpectedFrameExtents() const;
    void ReturnToItsPlace();

    QWidget* MainWindow;
    QPushButton* OkButton = nullptr;
    bool ShownBefore = false;
    bool Mirrored = false;
    // The frame the first placement assumed, until the window's own is known.
    std::optional<QMargins> GuessedFrame;
    // Opened and not yet handed the focus: where it stands is the window manager's doing.
    bool JustOpened = false;
    // Where the window's outer frame stood when it was last hidden.
    QPoint LastPosition;
};

// The flags of a window with a caption and a close box and no other caption button.
Qt::WindowFlags CloseBoxOnly(Qt::WindowType kind);
