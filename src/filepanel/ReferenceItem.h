#pragma once

#include "html/LinkScanner.h"

#include <QTreeWidgetItem>

class QTreeWidget;

// A row of the properties window's lists: address, description and kind,
// or file and size. Rows sort by the upper-cased text of the sorted column
// (character codes), equal texts by their upper-cased address.
class ReferenceItem : public QTreeWidgetItem
{
public:
    ReferenceItem(QTreeWidget *list, const QStringList &texts, LinkIcon icon);

    LinkIcon linkIcon() const { return m_icon; }
    bool operator<(const QTreeWidgetItem &other) const override;

private:
    LinkIcon m_icon;
};

// A click on one of the list's column headers sorts it by that column. The
// direction is one for every list of the run: each click flips it, and the
// first sorts ascending.
void sortOnHeaderClicks(QTreeWidget &list);

// The small picture of a reference's kind.
QIcon referenceIcon(LinkIcon icon);
