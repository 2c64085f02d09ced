#include "resources/LibraryIcons.h"

#include "resources/LibraryIconIndexes.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace LibraryIcons {
namespace {

constexpr int Size = 16;

void drawFolder(QPainter &p, bool open)
{
    p.setPen(QColor(0x8a, 0x6a, 0x10));
    p.setBrush(QColor(0xf0, 0xc8, 0x50));
    p.drawRect(1, 4, 13, 10);
    p.drawRect(1, 2, 5, 2);
    if (open) {
        p.setBrush(QColor(0xfb, 0xe0, 0x8a));
        QPolygon flap({QPoint(3, 7), QPoint(15, 7), QPoint(13, 14), QPoint(1, 14)});
        p.drawPolygon(flap);
    }
}

void drawTag(QPainter &p)
{
    p.setPen(QPen(QColor(0x1d, 0x4f, 0x9c), 2));
    p.drawPolyline(QPolygon({QPoint(6, 3), QPoint(2, 8), QPoint(6, 13)}));
    p.drawPolyline(QPolygon({QPoint(10, 3), QPoint(14, 8), QPoint(10, 13)}));
}

void drawDot(QPainter &p, const QColor &colour)
{
    p.setPen(colour.darker(150));
    p.setBrush(colour);
    p.drawEllipse(QPoint(8, 8), 5, 5);
}

void drawMethod(QPainter &p)
{
    p.setPen(QColor(0x6a, 0x1b, 0x9a));
    p.setBrush(QColor(0xb3, 0x7f, 0xd6));
    p.drawPolygon(QPolygon({QPoint(8, 2), QPoint(14, 8), QPoint(8, 14), QPoint(2, 8)}));
}

void drawEvent(QPainter &p)
{
    p.setPen(QColor(0xa0, 0x5a, 0x00));
    p.setBrush(QColor(0xff, 0xb3, 0x1a));
    p.drawPolygon(QPolygon({QPoint(9, 1), QPoint(3, 9), QPoint(8, 9), QPoint(6, 15), QPoint(13, 6), QPoint(8, 6)}));
}

void drawKeyword(QPainter &p)
{
    p.setPen(QColor(0x2e, 0x6b, 0x2e));
    p.setBrush(QColor(0x8f, 0xd1, 0x8f));
    p.drawRect(2, 4, 11, 8);
    p.setPen(QPen(QColor(0x1f, 0x4a, 0x1f), 1));
    p.drawLine(4, 8, 11, 8);
}

void drawProperty(QPainter &p)
{
    p.setPen(QColor(0x1b, 0x6e, 0x7a));
    p.setBrush(QColor(0x7f, 0xcf, 0xda));
    p.drawRect(3, 3, 10, 10);
}

void drawFont(QPainter &p)
{
    QFont font = p.font();
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x20, 0x20, 0x60));
    p.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, QStringLiteral("A"));
}

void drawPicture(QPainter &p)
{
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(QColor(0xbf, 0xe3, 0xff));
    p.drawRect(1, 2, 13, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3c, 0x8c, 0x3c));
    p.drawPolygon(QPolygon({QPoint(2, 12), QPoint(6, 6), QPoint(9, 10), QPoint(11, 8), QPoint(14, 12)}));
    p.setBrush(QColor(0xff, 0xd0, 0x30));
    p.drawEllipse(QPoint(11, 5), 2, 2);
}

void drawGlobe(QPainter &p)
{
    p.setPen(QColor(0x1d, 0x4f, 0x9c));
    p.setBrush(QColor(0xa8, 0xd0, 0xf5));
    p.drawEllipse(QPoint(8, 8), 6, 6);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(8, 8), 3, 6);
    p.drawLine(2, 8, 14, 8);
}

void drawColours(QPainter &p)
{
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(QColor(0xe0, 0x30, 0x30));
    p.drawRect(1, 1, 6, 6);
    p.setBrush(QColor(0x30, 0xb0, 0x30));
    p.drawRect(8, 1, 6, 6);
    p.setBrush(QColor(0x30, 0x50, 0xe0));
    p.drawRect(1, 8, 6, 6);
    p.setBrush(QColor(0xf0, 0xd0, 0x20));
    p.drawRect(8, 8, 6, 6);
}

QIcon draw(int index)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        switch (index) {
        case LibraryIcon::FolderClosed:
            drawFolder(p, false);
            break;
        case LibraryIcon::FolderOpen:
            drawFolder(p, true);
            break;
        case LibraryIcon::Element:
            drawTag(p);
            break;
        case LibraryIcon::Entry:
            drawDot(p, QColor(0x4f, 0x8f, 0xe0));
            break;
        case LibraryIcon::ScriptMethod:
            drawMethod(p);
            break;
        case LibraryIcon::Event:
            drawEvent(p);
            break;
        case LibraryIcon::Keyword:
            drawKeyword(p);
            break;
        case LibraryIcon::ScriptProperty:
            drawProperty(p);
            break;
        case LibraryIcon::FontValue:
            drawFont(p);
            break;
        case LibraryIcon::PictureAddress:
            drawPicture(p);
            break;
        case LibraryIcon::WebAddress:
            drawGlobe(p);
            break;
        case LibraryIcon::ColourValue:
            drawColours(p);
            break;
        default:
            return QIcon();
        }
    }
    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

} // namespace

QIcon icon(int index)
{
    static QHash<int, QIcon> drawn;
    auto found = drawn.constFind(index);
    if (found == drawn.constEnd())
        found = drawn.insert(index, draw(index));
    return *found;
}

} // namespace LibraryIcons
