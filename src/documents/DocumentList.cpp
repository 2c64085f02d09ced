#include "documents/DocumentList.h"

#include <algorithm>

int DocumentList::indexOf(const QString &path) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_documents[i].path == path)
            return i;
    }
    return -1;
}

void DocumentList::setActiveIndex(int index)
{
    if (index == m_active)
        return;
    m_active = index;
    Q_EMIT activeChanged(index);
}

int DocumentList::add(EditableText &text, const QString &caption)
{
    Document document;
    document.text = &text;
    document.caption = caption;
    m_documents.append(document);
    return count() - 1;
}

void DocumentList::remove(int index)
{
    Q_EMIT closed(m_documents[index]);
    if (index == m_master)
        m_master = -1;
    else if (index < m_master)
        --m_master;
    m_documents.removeAt(index);
    m_active = std::max(0, index - 1);
}

void DocumentList::setCaption(int index, const QString &caption)
{
    m_documents[index].caption = caption;
    Q_EMIT captionChanged(index);
}

void DocumentList::announceOpened(int index)
{
    Q_EMIT opened(m_documents[index]);
}

SaveRequest DocumentList::prepareSave(int index, bool danishCodesAsked)
{
    SaveRequest request;
    request.danishCodesAsked = danishCodesAsked;
    Q_EMIT aboutToSave(m_documents[index], request);
    return request;
}

void DocumentList::announceSaved(int index)
{
    Q_EMIT saved(m_documents[index]);
}
