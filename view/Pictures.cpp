// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/Pictures.h"

#include <QPainter>
#include <QResizeEvent>
#include <QtGlobal>

void LoadGameResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(game);
        return true;
    }();
    (void)loaded;
}

QImage GamePicture(const QString& fileName) {
    LoadGameResources();
    QImage picture(":/pictures/" + fileName);
    if (picture.isNull())
        qWarning("Picture %s is missing from the resources", qPrintable(fileName));
    return picture;
}

QSize DrawnSize(QSize picture, QSize area, bool proportional) {
    const bool fits = picture.width() <= area.width() && picture.height() <= area.height();
    if (fits || !proportional || picture.isEmpty())
        return picture;
    // Compare the two scale factors in integers: width-bound when area.w / pic.w <= area.h / pic.h.
    const qint64 byWidth = qint64(area.width()) * picture.height();
    const qint64 byHeight = qint64(area.height()) * picture.width();
    if (byWidth <= byHeight)
        return {area.width(), int(byWidth / picture.width())};
    return {int(byHeight / picture.height()), area.height()};
}

QImage WithoutBackground(const QImage& picture) {
    if (picture.isNull())
        return picture;
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = result.pixel(0, result.height() - 1);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return result;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetPicture(const QImage& picture) {
    Source = picture;
    Invalidate();
}

void PictureBox::SetTransparent(bool transparent) {
    IsTransparent = transparent;
    Invalidate();
}

void PictureBox::SetProportional(bool proportional) {
    IsProportional = proportional;
    Invalidate();
}

QRect PictureBox::DrawnRect() const {
    return {QPoint(0, 0), DrawnSize(Source.size(), size(), IsProportional)};
}

void PictureBox::Invalidate() {
    Shown = QImage();
    update();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Invalidate();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (Source.isNull())
        return;
    const QRect target = DrawnRect();
    if (Shown.isNull()) {
        // Leave out the background before scaling, so no blend of it is left along the edges.
        QImage picture = IsTransparent ? WithoutBackground(Source) : Source;
        if (target.size() != picture.size())
            picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                          .scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        Shown = picture;
    }
    QPainter painter(this);
    painter.drawImage(target.topLeft(), Shown);
}
