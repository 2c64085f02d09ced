#pragma once

#include "files/GeneralFacts.h"

#include <QWidget>

class QFormLayout;
class QLabel;

// "Generelt": the file's name, type, title, folder, size and dates.
class GeneralPage : public QWidget
{
    Q_OBJECT
public:
    explicit GeneralPage(QWidget *parent = nullptr);
    void showFacts(const GeneralFacts &facts, const QIcon &typeIcon);
    void setTitle(const QString &title);
    // The title row shows a picture's width and height instead.
    void setDimensions(const QSize &size);
    void hideTitle();

private:
    QFormLayout *m_form;
    QLabel *m_fileName;
    QLabel *m_typeIcon;
    QLabel *m_typeName;
    QLabel *m_titleCaption;
    QLabel *m_title;
    QLabel *m_folder;
    QLabel *m_size;
    QLabel *m_created;
    QLabel *m_modified;
    QLabel *m_lastOpened;
};
