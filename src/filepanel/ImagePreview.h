#pragma once

#include <QLabel>

class QMovie;

// The small picture below the folder tree: a picture file scaled to fit the
// pane, keeping its proportions; GIF animations run.
class ImagePreview : public QLabel
{
    Q_OBJECT

public:
    explicit ImagePreview(QWidget *parent = nullptr);

    // Shows the picture; answers its own size in pixels, or an empty size
    // when it cannot be read. JPEG pictures are decoded at a size their file
    // size chooses.
    QSize showPicture(const QString &path);
    void clearPicture();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QSize fitted(QSize picture) const;
    void showScaled();

    QImage m_image;
    QMovie *m_movie = nullptr;
    QSize m_movieSize;
};
