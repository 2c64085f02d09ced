#include "filepanel/ImagePreview.h"

#include "picture/LoadPicture.h"

#include <QFileInfo>
#include <QMovie>

namespace {

// The picture keeps clear of the pane's edges by this much each way.
constexpr int Margin = 4;

} // namespace

ImagePreview::ImagePreview(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("imgViewer"));
    setAlignment(Qt::AlignCenter);
    setMinimumSize(1, 1);
}

QSize ImagePreview::showPicture(const QString &path)
{
    clearPicture();
    const std::optional<LoadedPicture> picture = LoadPicture(path, true);
    if (!picture || picture->image.isNull())
        return {};
    if (QFileInfo(path).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0) {
        m_movie = new QMovie(path, QByteArray(), this);
        if (m_movie->isValid() && m_movie->frameCount() != 1) {
            m_movieSize = picture->size;
            m_movie->setScaledSize(fitted(m_movieSize));
            setMovie(m_movie);
            m_movie->start();
            return picture->size;
        }
        delete m_movie;
        m_movie = nullptr;
    }
    m_image = picture->image;
    showScaled();
    return picture->size;
}

void ImagePreview::clearPicture()
{
    if (m_movie) {
        setMovie(nullptr);
        delete m_movie;
        m_movie = nullptr;
    }
    m_image = QImage();
    clear();
}

QSize ImagePreview::fitted(QSize picture) const
{
    const QSize area(std::max(1, width() - 2 * Margin), std::max(1, height() - 2 * Margin));
    if (picture.isEmpty())
        return area;
    // When the pane is relatively wider than the picture, the height fills it.
    if (qint64(area.width()) * picture.height() > qint64(area.height()) * picture.width())
        return QSize(std::max(1, int(qint64(picture.width()) * area.height() / picture.height())), area.height());
    return QSize(area.width(), std::max(1, int(qint64(picture.height()) * area.width() / picture.width())));
}

void ImagePreview::showScaled()
{
    if (!m_image.isNull())
        setPixmap(QPixmap::fromImage(m_image.scaled(fitted(m_image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void ImagePreview::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (m_movie)
        m_movie->setScaledSize(fitted(m_movieSize));
    showScaled();
}
