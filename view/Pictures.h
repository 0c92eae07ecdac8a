// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture controls of the secondary windows and the two rules they draw pictures by:
// transparency (the colour of the bottom-left pixel is left out, so the window shows through)
// and proportional scaling (a picture too large for its area shrinks to the largest size with
// its aspect ratio that fits, each side truncated to whole pixels). A picture is always drawn at
// the top-left corner of its area.

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

// Makes the program's resources (pictures, cursor, translations) available. The resources live in
// a static library, so something must pull them in; safe to call any number of times.
void LoadGameResources();

// A picture carried in the resources, by its file name ("trophy.png"); a null image (and a
// warning) when it is missing, so a window still opens without it.
QImage GamePicture(const QString& fileName);

// The size a picture is drawn at inside an area.
QSize DrawnSize(QSize picture, QSize area, bool proportional);

// The picture with every pixel of its bottom-left pixel's colour made fully transparent.
QImage WithoutBackground(const QImage& picture);

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    void SetTransparent(bool transparent);
    void SetProportional(bool proportional);

    const QImage& Picture() const { return Source; }
    bool Transparent() const { return IsTransparent; }
    bool Proportional() const { return IsProportional; }
    // The rectangle the picture covers, in the control's coordinates.
    QRect DrawnRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Invalidate();

    QImage Source;
    QImage Shown; // Source after transparency and scaling, made when first needed
    bool IsTransparent = false;
    bool IsProportional = false;
};
