#include "filepanel/PictureView.h"

#include "core/ProductTexts.h"
#include "picture/LoadPicture.h"

#include <QLabel>
#include <QMovie>

namespace {

bool isGif(const QString &path)
{
    return path.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive);
}

} // namespace

PictureView::PictureView(const QString &path, QWidget *parent)
    : QScrollArea(parent)
{
    setObjectName(QStringLiteral("sbBilledfremviser"));
    setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: grey; }"));
    auto *picture = new QLabel;
    picture->setObjectName(QStringLiteral("imBillede"));
    const std::optional<LoadedPicture> loaded = LoadPicture(path, false);
    if (loaded && !loaded->image.isNull()) {
        m_size = loaded->size;
        if (isGif(path)) {
            auto *movie = new QMovie(path, {}, picture);
            picture->setMovie(movie);
            movie->start();
        } else {
            picture->setPixmap(QPixmap::fromImage(loaded->image));
        }
        picture->adjustSize();
        setWidget(picture);
        return;
    }
    // The note stands at 10, 10 on the grey.
    auto *grey = new QWidget;
    picture->setParent(grey);
    picture->setText(Product::Name + QStringLiteral(" kan ikke vise denne gif-fil"));
    picture->setStyleSheet(QStringLiteral("color: white; font-size: 10pt;"));
    picture->move(10, 10);
    picture->adjustSize();
    setWidget(grey);
    setWidgetResizable(true);
}
