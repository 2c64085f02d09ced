#pragma once

#include <QDialog>

class QFileSystemModel;
class QFontMetrics;
class QLabel;
class QPushButton;
class QTreeView;

// The folder chooser: a tree of the machine's folders with a title above it
// and a status line below that can follow the highlighted folder.
class TBrowseDirectoryDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TBrowseDirectoryDlg(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    QString title() const;
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    void setStatusText(const QString &text);
    void setShowSelectionInStatus(bool show) { m_showSelectionInStatus = show; }
    void setCenterOnScreen(bool centre) { m_centerOnScreen = centre; }
    void setEnableOkButton(bool enable);

    // The chosen folder, ending in a separator when it is an existing folder.
    void setSelection(const QString &path);
    QString selection() const { return m_selection; }

    // Shows the chooser modally; false (and an empty selection) when cancelled.
    bool execute();

    // The path cut to fit the width: leading folders give way to ".../",
    // and a last name that still does not fit is cut and ended with "...".
    static QString shortenedPath(const QString &path, const QFontMetrics &metrics, int width);

signals:
    void selectionChanged(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void highlight(const QString &path);
    QString highlightedPath() const;

    QLabel *m_title = nullptr;
    QFileSystemModel *m_model = nullptr;
    QTreeView *m_tree = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_ok = nullptr;
    QString m_selection;
    bool m_showSelectionInStatus = false;
    bool m_centerOnScreen = true;
};
