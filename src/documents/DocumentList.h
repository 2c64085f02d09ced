#pragma once

#include "documents/Document.h"

#include <QList>
#include <QObject>

// The open documents in tab order, the active one and the master page. The
// list is never empty once the window has made its first document. Parts of
// the program follow the documents through the signals.
class DocumentList : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    int count() const { return static_cast<int>(m_documents.size()); }
    Document &at(int index) { return m_documents[index]; }
    const Document &at(int index) const { return m_documents[index]; }
    // The document of this path, or -1.
    int indexOf(const QString &path) const;

    int activeIndex() const { return m_active; }
    Document &active() { return m_documents[m_active]; }
    void setActiveIndex(int index);

    // The document marked as master page, or -1; the mark stays on its
    // document when others close.
    int masterIndex() const { return m_master; }
    void setMasterIndex(int index) { m_master = index; }

    // Adds a document for a text that lives elsewhere, at the end.
    int add(EditableText &text, const QString &caption);
    // Removes a document; the one before it becomes active, without a signal.
    void remove(int index);
    void setCaption(int index, const QString &caption);

    // Tell the parts of the program what happens to a document.
    void announceOpened(int index);
    SaveRequest prepareSave(int index, bool danishCodesAsked);
    void announceSaved(int index);
    void announceActiveShown() { Q_EMIT activeShown(); }
    // The document's title was written anew: its tab and the window take it.
    void announceTitleWritten(int index) { Q_EMIT titleWritten(index); }

Q_SIGNALS:
    // A file was opened into the document by the user.
    void opened(Document &document);
    // The document is about to be written: its text may still change, or
    // another text may be given to write.
    void aboutToSave(Document &document, SaveRequest &request);
    void saved(Document &document);
    // The document is about to leave the list.
    void closed(const Document &document);
    void activeChanged(int index);
    // The active document was brought to the window: its state is to be shown.
    void activeShown();
    void captionChanged(int index);
    void titleWritten(int index);

private:
    QList<Document> m_documents;
    int m_active = -1;
    int m_master = -1;
};
