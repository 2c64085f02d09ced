// The main window's side of the libraries: the "Bibliotek" tab, the View
// menu's library commands and the element names that loading brings.
#include "app/TfrmPW4.h"

#include "app/DocumentArea.h"
#include "editor/DocumentEditorSetup.h"
#include "core/SettingsOptions.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "html/CommaText.h"
#include "resources/LibraryTab.h"

#include <QAction>
#include <QTabWidget>

LibraryTab *TfrmPW4::buildLibraryTab()
{
    m_libraryTab = new LibraryTab({m_libraryLists, m_libraryFiles, m_prompter, m_programFolder,
                                   [this] { return CommaText::split(options().checkExclusions); },
                                   [this] { return ActiveEditor(); }});
    connect(m_libraryTab, &LibraryTab::htmlLibraryLoaded, this, &TfrmPW4::refreshElementNames);
    return m_libraryTab;
}

void TfrmPW4::attachLibraryCommands()
{
    const std::pair<const char *, int> commands[] = {
        {"actHtmlBibliotek", LibraryTab::Html},
        {"actCssBibliotek", LibraryTab::Css},
        {"actJsBibliotek", LibraryTab::JavaScript},
        {"actSpecialtegnBibliotek", LibraryTab::SpecialCharacters},
        {"actBrugerkoderBibliotek", LibraryTab::UserCodes},
    };
    for (const auto &[id, library] : commands)
        handle(QString::fromLatin1(id), [this, library = library] { showLibraryPage(library); });
}

void TfrmPW4::showLibraryPage(int library)
{
    if (m_resourcePanel->isHidden())
        setResourcePanelShown(true);
    m_resourcePanel->setCurrentWidget(m_libraryTab);
    m_libraryTab->ShowLibrary(library);
}

void TfrmPW4::refreshElementNames()
{
    const DocumentEditorLook look = editorLook();
    for (int tab = 0; tab < m_documents->count(); ++tab)
        applyLook(*m_documents->editorAt(tab), look);
    m_settingsDialog->setElementNames(look.elementNames);
}
