// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the pictures of the secondary windows: the trophy of the best-times window, the examples
// of the rules and the logo of the about window. Run it after changing a drawing and commit what
// it writes:
//
//   make_pictures assets/pictures
//
// The examples show parts of the board exactly as the board renderer draws it: 35-pixel cells
// with blue frames, black block frames, givens in black and entries in purple.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// The button face the windows show; transparent pictures are drawn on it, so their soft edges
// blend into the window.
const QColor Face(240, 240, 240);
const QColor CellFrame(0, 0, 255);
const QColor GivenColour(0, 0, 0);
const QColor EntryColour(128, 0, 128);
constexpr int CellSize = 35;

QFont Rounded(int pixelHeight) {
    QFont font("Quicksand");
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// ----- Parts of the board -----

// One row of an example: a digit is a given, a digit after '+' an entry, '.' an empty cell.
struct ExampleCell {
    int Value = 0;
    bool IsGiven = false;
};

std::vector<ExampleCell> ParseRow(const std::string& row) {
    std::vector<ExampleCell> cells;
    bool entry = false;
    for (char c : row) {
        if (c == '+') {
            entry = true;
        } else if (c == '.') {
            cells.push_back({});
        } else if (c >= '1' && c <= '9') {
            cells.push_back({c - '0', !entry});
            entry = false;
        }
    }
    return cells;
}

// Draws the given rows of cells with the top-left cell's origin at `origin`. The cells belong to
// the board at row `boardRow` and column `boardColumn` (0-based), which decides where the black
// block frames run: on every block border inside or around the part shown.
QImage BoardPart(QSize size, QPoint origin, int boardRow, int boardColumn,
                 const std::vector<std::string>& rows) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Face);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(Rounded(27));

    const int rowCount = int(rows.size());
    int columnCount = 0;
    for (int r = 0; r < rowCount; ++r) {
        const std::vector<ExampleCell> cells = ParseRow(rows[r]);
        columnCount = std::max(columnCount, int(cells.size()));
        for (int k = 0; k < int(cells.size()); ++k) {
            const int x0 = origin.x() + k * CellSize;
            const int y0 = origin.y() + r * CellSize;
            if (cells[k].Value) {
                painter.setPen(cells[k].IsGiven ? GivenColour : EntryColour);
                painter.drawText(QRect(x0 + 8, y0 + 1, CellSize, CellSize),
                                 Qt::AlignLeft | Qt::AlignTop, QString::number(cells[k].Value));
            }
            // A one-pixel frame up to one pixel short of the next cell: neighbours form a
            // two-pixel seam.
            painter.setPen(CellFrame);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(x0, y0, CellSize - 1, CellSize - 1);
        }
    }

    // Block frames, two pixels wide, over the two pixels either side of a block border.
    const int left = origin.x();
    const int top = origin.y();
    const int right = left + columnCount * CellSize;
    const int bottom = top + rowCount * CellSize;
    for (int r = 0; r <= rowCount; ++r)
        if ((boardRow + r) % 3 == 0) {
            const int y = top + r * CellSize;
            painter.fillRect(QRect(QPoint(left - 1, y - 1), QPoint(right, y)), Qt::black);
        }
    for (int k = 0; k <= columnCount; ++k)
        if ((boardColumn + k) % 3 == 0) {
            const int x = left + k * CellSize;
            painter.fillRect(QRect(QPoint(x - 1, top - 1), QPoint(x, bottom)), Qt::black);
        }
    return image;
}

// ----- Pictures with a transparent background -----

// Lays a picture drawn on a transparent layer onto the window's face colour. The face colour
// marks the background, so no pixel of the picture itself may keep exactly that colour.
QImage OnFace(const QImage& layer) {
    QImage image(layer.size(), QImage::Format_RGB32);
    image.fill(Face);
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, layer);
    }
    const QRgb face = Face.rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) != 0 && image.pixel(x, y) == face)
                image.setPixel(x, y, qRgb(239, 239, 238));
    return image;
}

QColor Gold(int level) {
    // 0 darkest brown-gold to 4 pale highlight.
    static const QColor shades[] = {QColor(122, 82, 0), QColor(184, 128, 8), QColor(232, 174, 24),
                                    QColor(255, 214, 64), QColor(255, 243, 176)};
    return shades[std::clamp(level, 0, 4)];
}

QLinearGradient GoldAcross(qreal left, qreal right) {
    QLinearGradient gradient(left, 0, right, 0);
    gradient.setColorAt(0.00, Gold(1));
    gradient.setColorAt(0.18, Gold(2));
    gradient.setColorAt(0.32, Gold(4));
    gradient.setColorAt(0.45, Gold(3));
    gradient.setColorAt(0.75, Gold(2));
    gradient.setColorAt(1.00, Gold(0));
    return gradient;
}

QPainterPath Star(QPointF centre, qreal outer, qreal inner, int points) {
    QPainterPath star;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / points;
        const qreal radius = i % 2 ? inner : outer;
        const QPointF p = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    return star;
}

void Sparkle(QPainter& painter, QPointF centre, qreal size, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(Star(centre, size, size / 4.5, 4));
}

QImage Trophy() {
    QImage layer(162, 187, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor outline = Gold(0).darker(120);
    const QPen edge(outline, 1.6);

    // Handles, behind the bowl.
    for (int side : {-1, 1}) {
        auto x = [side](qreal dx) { return 81 + side * dx; };
        QPainterPath handle;
        handle.moveTo(x(48), 36);
        handle.cubicTo(x(84), 26, x(86), 74, x(36), 84);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(outline, 13, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(handle);
        p.setPen(QPen(Gold(2), 10, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(handle);
        p.setPen(QPen(Gold(4), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(handle.translated(side > 0 ? -1.5 : 1.5, -2));
    }

    // Stem and foot.
    QPainterPath stem;
    stem.moveTo(74, 100);
    stem.lineTo(88, 100);
    stem.cubicTo(88, 116, 92, 126, 104, 136);
    stem.lineTo(58, 136);
    stem.cubicTo(70, 126, 74, 116, 74, 100);
    p.setPen(edge);
    p.setBrush(GoldAcross(58, 104));
    p.drawPath(stem);
    p.setBrush(GoldAcross(66, 96));
    p.drawEllipse(QRectF(66, 108, 30, 11)); // knob
    p.setBrush(GoldAcross(50, 112));
    p.drawRoundedRect(QRectF(50, 133, 62, 9), 4, 4);

    // Bowl.
    QPainterPath bowl;
    bowl.moveTo(27, 24);
    bowl.cubicTo(27, 74, 50, 100, 81, 104);
    bowl.cubicTo(112, 100, 135, 74, 135, 24);
    bowl.closeSubpath();
    p.setPen(edge);
    p.setBrush(GoldAcross(27, 135));
    p.drawPath(bowl);

    // A soft reflection down the left of the bowl.
    QPainterPath shine;
    shine.moveTo(39, 32);
    shine.cubicTo(39, 62, 50, 82, 64, 92);
    shine.cubicTo(54, 78, 47, 58, 47, 32);
    shine.closeSubpath();
    QLinearGradient shineColour(0, 32, 0, 92);
    shineColour.setColorAt(0, QColor(255, 255, 240, 230));
    shineColour.setColorAt(1, QColor(255, 255, 240, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shineColour);
    p.drawPath(shine);

    // The star on the bowl.
    const QPainterPath star = Star({83, 58}, 19, 8, 5);
    p.setPen(QPen(Gold(1), 1.5));
    p.setBrush(Gold(4));
    p.drawPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawPath(Star({81, 56}, 9, 4, 5));

    // Rim and the inside of the cup.
    p.setPen(edge);
    p.setBrush(GoldAcross(25, 137));
    p.drawEllipse(QRectF(25, 13, 112, 22));
    QRadialGradient inside(81, 28, 56, 81, 34);
    inside.setColorAt(0, Gold(1));
    inside.setColorAt(1, Gold(0));
    p.setPen(QPen(Gold(0), 1));
    p.setBrush(inside);
    p.drawEllipse(QRectF(31, 16, 100, 16));

    // Plinth: a dark wooden base with a gold name plate.
    QLinearGradient wood(0, 142, 0, 182);
    wood.setColorAt(0, QColor(92, 58, 30));
    wood.setColorAt(1, QColor(46, 26, 12));
    p.setPen(QPen(QColor(30, 16, 6), 1.4));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(44, 141, 74, 11), 2, 2);
    p.drawRoundedRect(QRectF(34, 151, 94, 31), 3, 3);
    p.setPen(QPen(Gold(0), 1.2));
    p.setBrush(GoldAcross(58, 104));
    p.drawRoundedRect(QRectF(56, 158, 50, 17), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Gold(0));
    p.drawPath(Star({81, 166.5}, 6.5, 2.7, 5));

    // Glints.
    Sparkle(p, {52, 38}, 9, QColor(255, 255, 255, 235));
    Sparkle(p, {112, 78}, 6, QColor(255, 255, 255, 200));
    Sparkle(p, {66, 138}, 4.5, QColor(255, 255, 255, 210));
    p.end();
    return OnFace(layer);
}

QImage Logo() {
    QImage layer(158, 128, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A sheet of paper with a block of the puzzle, slightly turned.
    p.save();
    p.translate(64, 66);
    p.rotate(-6);
    const QRectF sheet(-52, -52, 104, 104);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(sheet.translated(3, 4), 10, 10);
    QLinearGradient paper(0, -52, 0, 52);
    paper.setColorAt(0, QColor(255, 255, 253));
    paper.setColorAt(1, QColor(246, 244, 236));
    p.setPen(QPen(QColor(170, 170, 185), 1.2));
    p.setBrush(paper);
    p.drawRoundedRect(sheet, 10, 10);

    constexpr qreal cell = 28;
    constexpr qreal corner = -1.5 * cell;
    const std::vector<std::string> rows = {"5.3", "+8+7.", "1.9"};
    p.setFont(Rounded(22));
    for (int r = 0; r < 3; ++r) {
        const std::vector<ExampleCell> cells = ParseRow(rows[r]);
        for (int k = 0; k < 3; ++k)
            if (cells[k].Value) {
                p.setPen(cells[k].IsGiven ? GivenColour : EntryColour);
                p.drawText(QRectF(corner + k * cell, corner + r * cell, cell, cell),
                           Qt::AlignCenter, QString::number(cells[k].Value));
            }
    }
    // The cells' blue seams inside the block's black frame.
    p.setPen(QPen(CellFrame, 2));
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(corner + i * cell, corner), QPointF(corner + i * cell, -corner));
        p.drawLine(QPointF(corner, corner + i * cell), QPointF(-corner, corner + i * cell));
    }
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(corner, corner, 3 * cell, 3 * cell));
    p.restore();

    // A pencil about to write into the empty cell at the bottom.
    p.save();
    p.translate(71, 99);
    p.rotate(-52); // the pencil runs from its tip up to the right
    constexpr qreal half = 8;
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(8, -2.6);
    lead.lineTo(8, 2.6);
    lead.closeSubpath();
    QPainterPath wood;
    wood.moveTo(7, -2.4);
    wood.lineTo(24, -half);
    wood.lineTo(24, half);
    wood.lineTo(7, 2.4);
    wood.closeSubpath();
    p.setPen(QPen(QColor(120, 80, 40), 1));
    p.setBrush(QColor(236, 200, 150));
    p.drawPath(wood);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 50, 60));
    p.drawPath(lead);
    QLinearGradient body(0, -half, 0, half);
    body.setColorAt(0.0, QColor(255, 226, 110));
    body.setColorAt(0.35, QColor(255, 200, 30));
    body.setColorAt(0.65, QColor(240, 170, 0));
    body.setColorAt(1.0, QColor(200, 130, 0));
    p.setPen(QPen(QColor(150, 95, 0), 1));
    p.setBrush(body);
    p.drawRect(QRectF(24, -half, 64, 2 * half));
    p.setPen(QPen(QColor(200, 135, 0), 1));
    p.drawLine(QPointF(26, -2.7), QPointF(88, -2.7));
    p.drawLine(QPointF(26, 2.7), QPointF(88, 2.7));
    QLinearGradient metal(0, -half, 0, half);
    metal.setColorAt(0, QColor(235, 235, 235));
    metal.setColorAt(0.5, QColor(170, 172, 178));
    metal.setColorAt(1, QColor(120, 122, 128));
    p.setPen(QPen(QColor(100, 100, 105), 1));
    p.setBrush(metal);
    p.drawRect(QRectF(88, -half - 0.5, 11, 2 * half + 1));
    p.drawLine(QPointF(92, -half), QPointF(92, half));
    p.drawLine(QPointF(95, -half), QPointF(95, half));
    QLinearGradient rubber(0, -half, 0, half);
    rubber.setColorAt(0, QColor(255, 170, 190));
    rubber.setColorAt(1, QColor(215, 100, 130));
    p.setPen(QPen(QColor(170, 70, 100), 1));
    p.setBrush(rubber);
    QPainterPath eraser;
    eraser.moveTo(99, -half);
    eraser.lineTo(106, -half);
    eraser.quadTo(112, -half, 112, 0);
    eraser.quadTo(112, half, 106, half);
    eraser.lineTo(99, half);
    eraser.closeSubpath();
    p.drawPath(eraser);
    p.restore();

    Sparkle(p, {141, 96}, 9, QColor(255, 190, 0));
    Sparkle(p, {128, 112}, 5, QColor(128, 0, 128));
    p.end();
    return OnFace(layer);
}

// ----- 256 colours -----

// Splits the picture's colours into boxes at their median until there are `count` of them; each
// box gives the average of its colours.
std::vector<QRgb> MedianCut(const std::map<QRgb, int>& histogram, int count) {
    struct Entry {
        int Channel[3];
        int Weight;
    };
    using Box = std::vector<Entry>;
    std::vector<Box> boxes(1);
    for (const auto& [colour, weight] : histogram)
        boxes[0].push_back({{qRed(colour), qGreen(colour), qBlue(colour)}, weight});

    auto widest = [](const Box& box, int& channel) {
        int best = -1;
        for (int c = 0; c < 3; ++c) {
            int low = 255, high = 0;
            for (const Entry& e : box) {
                low = std::min(low, e.Channel[c]);
                high = std::max(high, e.Channel[c]);
            }
            if (high - low > best) {
                best = high - low;
                channel = c;
            }
        }
        return best;
    };

    while (int(boxes.size()) < count) {
        int split = -1, channel = 0, bestRange = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            int c = 0;
            const int range = boxes[i].size() > 1 ? widest(boxes[i], c) : 0;
            if (range > bestRange) {
                bestRange = range;
                split = i;
                channel = c;
            }
        }
        if (split < 0)
            break;
        Box& box = boxes[split];
        std::sort(box.begin(), box.end(), [channel](const Entry& a, const Entry& b) {
            return a.Channel[channel] < b.Channel[channel];
        });
        long long total = 0;
        for (const Entry& e : box)
            total += e.Weight;
        long long running = 0;
        size_t cut = 1;
        for (; cut < box.size(); ++cut) {
            running += box[cut - 1].Weight;
            if (2 * running >= total)
                break;
        }
        Box upper(box.begin() + cut, box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }

    std::vector<QRgb> palette;
    for (const Box& box : boxes) {
        double sum[3] = {};
        double weight = 0;
        for (const Entry& e : box) {
            for (int c = 0; c < 3; ++c)
                sum[c] += double(e.Channel[c]) * e.Weight;
            weight += e.Weight;
        }
        palette.push_back(qRgb(int(sum[0] / weight + 0.5), int(sum[1] / weight + 0.5),
                               int(sum[2] / weight + 0.5)));
    }
    return palette;
}

// The picture in 256 colours. Entry 0 is the face colour and is kept for the background alone,
// so the transparent colour of the picture stays exactly where the background was.
QImage To256Colours(const QImage& image) {
    const QRgb face = Face.rgb();
    std::map<QRgb, int> histogram;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != face)
                ++histogram[image.pixel(x, y) | 0xFF000000];
    std::vector<QRgb> palette = MedianCut(histogram, 255);
    palette.insert(palette.begin(), face);
    while (palette.size() < 256)
        palette.push_back(qRgb(0, 0, 0));

    QImage indexed(image.size(), QImage::Format_Indexed8);
    indexed.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    std::map<QRgb, int> nearest;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            if (colour == face) {
                indexed.setPixel(x, y, 0);
                continue;
            }
            auto found = nearest.find(colour);
            if (found == nearest.end()) {
                int best = 1;
                long bestDistance = -1;
                for (int i = 1; i < 256; ++i) {
                    const long dr = qRed(colour) - qRed(palette[i]);
                    const long dg = qGreen(colour) - qGreen(palette[i]);
                    const long db = qBlue(colour) - qBlue(palette[i]);
                    const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (bestDistance < 0 || distance < bestDistance) {
                        bestDistance = distance;
                        best = i;
                    }
                }
                found = nearest.emplace(colour, best).first;
            }
            indexed.setPixel(x, y, uint(found->second));
        }
    return indexed;
}

QImage To24Bit(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB888);
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d, %d-bit\n", qPrintable(path), image.width(), image.height(),
                image.format() == QImage::Format_Indexed8 ? 8 : 24);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "make_pictures: cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = Save(To24Bit(Trophy()), folder, "trophy.png");
    // A block of an Easy game: five givens and four entries.
    ok &= Save(To24Bit(BoardPart({120, 123}, {7, 9}, 0, 0, {"5+34", "+67+2", "1+98"})), folder,
               "block.png");
    // A column from the middle of a stack and a row from the middle of a band.
    ok &= Save(To24Bit(BoardPart({46, 326}, {5, 5}, 0, 1,
                                 {"+5", "6", "+1", "8", "+4", "7", "9", "+2", "+3"})),
               folder, "column.png");
    ok &= Save(To24Bit(BoardPart({330, 51}, {7, 8}, 1, 0, {"5+3+46+78+912"})), folder, "row.png");
    // Two rows of a band with 2 and 7 missing in the same two columns: either order is valid.
    ok &= Save(To24Bit(BoardPart({327, 81}, {6, 6}, 3, 0, {"5.+38+614.9", "+6.8+349+1.+5"})),
               folder, "two-rows.png");
    ok &= Save(To256Colours(Logo()), folder, "logo.png");
    return ok ? 0 : 1;
}
