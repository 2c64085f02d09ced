// The publishing window's saved sites.
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "publish/FtpSitePanel.h"
#include "publish/SiteStore.h"
#include "publish/TfrmFtp.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

void TfrmFtp::fillSiteList()
{
    const QString shown = m_sites->currentText();
    m_sites->clear();
    m_sites->addItems(m_siteStore->titles());
    m_sites->setCurrentIndex(m_sites->findText(shown, Qt::MatchFixedString));
    if (m_sites->currentIndex() < 0)
        m_sites->setEditText(shown);
}

void TfrmFtp::loadSite(const QString &title)
{
    if (const std::optional<SiteRecord> site = m_siteStore->load(title))
        m_panel->load(*site);
}

void TfrmFtp::selectSite(int index)
{
    m_sites->setCurrentIndex(index);
    if (index >= 0)
        loadSite(m_sites->itemText(index));
    updateCommands();
}

void TfrmFtp::newSite()
{
    if (m_connected)
        return;
    m_panel->clearLogin();
    m_sites->setCurrentIndex(-1);
    m_sites->setEditText(QString());
    if (!propertiesShown())
        toggleProperties();
    updateCommands();
}

void TfrmFtp::saveSite()
{
    const QString proposed = m_projectTitle.isEmpty() ? m_sites->currentText() : m_projectTitle;
    const std::optional<QString> title = m_services.prompter.inputText(QStringLiteral("Forbindelse"),
                                                                       QStringLiteral("Skriv forbindelsens titel:"), proposed);
    if (!title || title->trimmed().isEmpty())
        return;
    SiteRecord site = m_panel->record();
    site.title = title->trimmed();
    if (!m_siteStore->save(site)) {
        message(Product::Caption, QStringLiteral("Forbindelsen \"%1\" kunne ikke gemmes i indstillingsfilen.").arg(site.title),
                int(Prompter::Icon::Warning));
        return;
    }
    fillSiteList();
    m_sites->setCurrentIndex(m_sites->findText(site.title, Qt::MatchFixedString));
    updateCommands();
}

void TfrmFtp::deleteSite()
{
    const QString title = m_sites->currentText();
    if (m_connected || m_sites->currentIndex() < 0)
        return;
    if (m_services.prompter.message({QStringLiteral("Slet forbindelse"), QStringLiteral("Ønsker du at slette %1?").arg(title),
                                     Prompter::Icon::Question, Prompter::Yes | Prompter::No})
        != Prompter::Yes)
        return;
    if (!m_siteStore->remove(title)) {
        message(Product::Caption, QStringLiteral("Forbindelsen \"%1\" kunne ikke slettes i indstillingsfilen.").arg(title),
                int(Prompter::Icon::Warning));
        return;
    }
    m_sites->setEditText(QString());
    fillSiteList();
    // The fields keep what they show when no site is left.
    selectSite(m_sites->count() > 0 ? 0 : -1);
}
