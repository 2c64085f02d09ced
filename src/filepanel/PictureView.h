#pragma once

#include <QScrollArea>

// A picture at its natural size on grey, GIF animations running; a white
// note on the grey when the picture cannot be drawn.
class PictureView : public QScrollArea
{
    Q_OBJECT
public:
    explicit PictureView(const QString &path, QWidget *parent = nullptr);
    // The picture's width and height; invalid when it could not be read.
    QSize pictureSize() const { return m_size; }

private:
    QSize m_size;
};
