#pragma once

#include "html/TransferTimes.h"

#include <QWidget>

class QLabel;
class QTreeWidget;

// "Overførselstid": one row per file the page pulls in, its sizes and the
// theoretical transfer times.
class TransferPage : public QWidget
{
    Q_OBJECT
public:
    explicit TransferPage(QWidget *parent = nullptr);
    void showTimes(const TransferTimes &times);
    QTreeWidget &list() const { return *m_list; }

private:
    QTreeWidget *m_list;
    QLabel *m_document;
    QLabel *m_files;
    QLabel *m_total;
    QLabel *m_modem144;
    QLabel *m_modem288;
    QLabel *m_isdn;
};
