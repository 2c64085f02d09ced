#pragma once

#include "resources/THETreeView.h"

#include <QTreeWidget>

#include <optional>

class QMimeData;

// What a drag out of the library tab carries: which library's selected entry
// is to be inserted where it is dropped.
namespace LibraryDrag {

inline const QString MimeType = QStringLiteral("application/x-pagewick-library-entry");

QMimeData *entryData(int library);
// The library of a dragged entry; nothing for any other drag.
std::optional<int> libraryOf(const QMimeData *data);

} // namespace LibraryDrag

// A library tree, read-only, whose drags carry its selected entry and are
// only ever copies.
class LibraryTreeView : public THETreeView
{
    Q_OBJECT

public:
    LibraryTreeView(int library, QWidget *parent = nullptr);

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QTreeWidgetItem *> &items) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

private:
    int m_library;
};

// The special characters: character, "Beskrivelse", "HTML", "Decimal". It
// notes while Shift alone is held, which makes a double-click or a drop insert
// the decimal reference.
class SpecialCharacterList : public QTreeWidget
{
    Q_OBJECT

public:
    static constexpr int CharacterColumn = 0;
    static constexpr int HtmlColumn = 2;
    static constexpr int DecimalColumn = 3;

    explicit SpecialCharacterList(int library, QWidget *parent = nullptr);

    bool shiftHeld() const { return m_shiftHeld; }
    void forgetShift() { m_shiftHeld = false; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QTreeWidgetItem *> &items) const override;
    // Entries are copied out, never moved: a moving drop would take them out of the list.
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

private:
    int m_library;
    bool m_shiftHeld = false;
};
