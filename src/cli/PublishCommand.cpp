#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/ConsolePrompter.h"
#include "cli/Invocation.h"
#include "cli/PublishFiles.h"
#include "cli/Terminal.h"
#include "cli/ToolContext.h"
#include "core/AppFolders.h"
#include "core/SettingsStore.h"
#include "html/DocumentReferences.h"
#include "projects/ChangedFiles.h"
#include "projects/PublishRecord.h"
#include "projects/SiteAddress.h"
#include "publish/ApplySite.h"
#include "publish/SiteAddressing.h"
#include "publish/SiteStore.h"
#include "publish/TSimpleFTP.h"
#include "publish/UploadRun.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace {

// The site to publish to and its key in the publish record.
struct ChosenSite
{
    SiteRecord site;
    QString key;
    QString recordTitle; // the saved site's title; empty for an address
};

std::optional<ChosenSite> chosenSite(const Invocation &invocation, SettingsStore &store)
{
    if (!invocation.siteAddress.isEmpty()) {
        const AddressedSite addressed = siteFromAddress(invocation.siteAddress);
        if (!addressed.error.isEmpty()) {
            Console::complain(addressed.error);
            return std::nullopt;
        }
        // Keyed as pwtool changed keys the same address.
        return ChosenSite{addressed.site, normaliseSiteAddress(invocation.siteAddress).value_or(QString()), QString()};
    }
    SiteStore sites(store);
    sites.convertOlderLayout();
    const std::optional<SiteRecord> site = sites.load(invocation.siteTitle);
    const std::optional<QString> key = sites.address(invocation.siteTitle);
    if (!site || !key) {
        Console::complain(QStringLiteral("Der findes ingen forbindelse med titlen %1.").arg(invocation.siteTitle));
        return std::nullopt;
    }
    return ChosenSite{*site, *key, site->title};
}

// A project of that title comes first; "./NAME" names the folder instead.
std::optional<PublishFiles> filesToPublish(const FileArgument &target, const QString &userDataFolder, const ToolContext &context)
{
    const ReferenceMasks masks{context.options.htmlFilter, context.options.scriptFilter};
    if (std::optional<PublishFiles> project = projectFiles(target.shown, userDataFolder, masks))
        return project;
    if (std::optional<PublishFiles> folder = folderFiles(QFile::decodeName(target.native)))
        return folder;
    Console::complain(QStringLiteral("%1 er hverken et projekt eller en mappe.").arg(target.shown));
    return std::nullopt;
}

// The files changed since they were last sent to the site, relative to the root.
std::optional<QStringList> changedFiles(PublishRecord &record, const QString &key, const PublishFiles &files)
{
    const std::optional<QStringList> changed = changedSincePublishing(record, key, files.absolutePaths);
    if (!changed) {
        Console::complain(record.errorText());
        return std::nullopt;
    }
    const QSet<QString> changedSet(changed->cbegin(), changed->cend());
    QStringList relative;
    for (qsizetype i = 0; i < files.absolutePaths.size(); ++i) {
        if (changedSet.contains(files.absolutePaths.at(i)))
            relative.append(files.relativePaths.at(i));
    }
    return relative;
}

// Files outside the root would land outside the site's folder on the server:
// they go only when the user says so at the terminal. The ones held back.
QStringList holdBackOutsideRoot(PendingTransfer &transfer)
{
    const QStringList outside = filesOutsideRoot(transfer);
    if (outside.isEmpty())
        return {};
    QString question = QStringLiteral("Disse filer ligger uden for rodmappen og havner uden for mappen på serveren:\n");
    for (const QString &name : outside)
        question += QStringLiteral("  ") + name + QLatin1Char('\n');
    question += QStringLiteral("Skal de overføres alligevel? (j/n) ");
    if (Terminal::confirm(question).value_or(false))
        return {};
    for (qsizetype i = transfer.count() - 1; i >= 0; --i) {
        if (liesOutsideRoot(transfer.remoteNames.at(i)))
            transfer.removeAt(i);
    }
    return outside;
}

// The site's saved password, else PAGEWICK_PASSWORD, else one typed at the
// terminal; nothing after telling why there is none.
std::optional<QString> passwordFor(const SiteRecord &site)
{
    if (!site.password.isEmpty())
        return site.password;
    // A key logs in to SFTP; no user is an anonymous login.
    if (!site.privateKeyFile.isEmpty() || site.user.isEmpty())
        return QString();
    if (const QByteArray fromEnvironment = qgetenv("PAGEWICK_PASSWORD"); !fromEnvironment.isNull())
        return QString::fromUtf8(fromEnvironment);
    if (const std::optional<QString> typed = Terminal::readHidden(QStringLiteral("Adgangskode til %1: ").arg(site.server)))
        return typed;
    Console::complain(QStringLiteral("Der er ingen adgangskode til %1. Gem den med forbindelsen i Pagewick, eller sæt "
                                     "PAGEWICK_PASSWORD.")
                          .arg(site.server));
    return std::nullopt;
}

// Sends the transfer; nothing when no connection could be made.
std::optional<TransferSummary> send(const ChosenSite &chosen, const PendingTransfer &transfer, PublishRecord &record)
{
    const std::optional<QString> password = passwordFor(chosen.site);
    if (!password)
        return std::nullopt;
    // pwtool cannot ask about a server's unknown host key: it is refused, and
    // the question is told on standard error.
    ConsolePrompter prompter(Prompter::No);
    TSimpleFTP ftp;
    applySite(chosen.site, *password, ftp);
    ftp.setPrompter(&prompter);
    ftp.setSilentExceptions(false);
    try {
        ftp.Connect();
    } catch (const FtpException &error) {
        Console::complain(error.message());
        return std::nullopt;
    }
    UploadRun run(ftp, transfer);
    run.recordIn(record, chosen.key, chosen.recordTitle);
    QObject::connect(&run, &TransferRun::fileFinished,
                     [](const QString &name) { Console::printNow(QStringLiteral("Overført: %1\n").arg(name)); });
    QObject::connect(&run, &TransferRun::fileFailed, [](const QString &, const QString &reason) { Console::complain(reason); });
    QObject::connect(&run, &TransferRun::problem, [](const QString &text) { Console::complain(text); });
    const TransferSummary summary = run.run();
    ftp.Disconnect();
    return summary;
}

} // namespace

int runPublish(const Invocation &invocation, const ToolContext &context)
{
    if (invocation.siteTitle.isEmpty() == invocation.siteAddress.isEmpty()) {
        Console::complain(QStringLiteral("Angiv serveren med enten --site TITEL eller --to ADRESSE."));
        return ExitFailure;
    }
    SettingsStore store(invocation.settingsFile.isEmpty() ? SettingsStore::defaultPath() : invocation.settingsFile,
                        SettingsStore::Access::ReadOnly);
    const QString userDataFolder = AppFolders::settleUserDataFolder(store, AppFolders::defaultUserDataFolder()).folder;
    const std::optional<PublishFiles> files = filesToPublish(invocation.files.first(), userDataFolder, context);
    if (!files)
        return ExitFailure;
    const std::optional<ChosenSite> chosen = chosenSite(invocation, store);
    if (!chosen)
        return ExitFailure;
    PublishRecord record(PublishRecord::fileIn(userDataFolder));
    if (!record.open()) {
        Console::complain(record.errorText());
        return ExitFailure;
    }
    const std::optional<QStringList> changed = changedFiles(record, chosen->key, *files);
    if (!changed)
        return ExitFailure;
    if (changed->isEmpty()) {
        Console::print(QStringLiteral("Ingen filer er ændret, siden de sidst blev overført.\n"));
        return ExitSuccess;
    }

    PendingTransfer transfer = PendingTransfer::ofProject(files->root, *changed);
    if (invocation.dryRun) {
        QString lines;
        for (const QString &name : std::as_const(transfer.remoteNames))
            lines += name + (liesOutsideRoot(name) ? QStringLiteral(" (uden for rodmappen)\n") : QStringLiteral("\n"));
        Console::print(lines);
        return ExitSuccess;
    }
    const QStringList heldBack = holdBackOutsideRoot(transfer);
    TransferSummary summary;
    if (!transfer.isEmpty()) {
        const std::optional<TransferSummary> sent = send(*chosen, transfer, record);
        if (!sent)
            return ExitFailure;
        summary = *sent;
    }
    summary.count += int(heldBack.size());
    summary.notSent += heldBack;
    QString lines = summary.text() + QLatin1Char('\n');
    if (!summary.notSent.isEmpty()) {
        lines += QStringLiteral("Ikke overført:\n");
        for (const QString &name : std::as_const(summary.notSent))
            lines += QStringLiteral("  ") + name
                + (heldBack.contains(name) ? QStringLiteral(" (uden for rodmappen)\n") : QStringLiteral("\n"));
    }
    Console::print(lines);
    return summary.notSent.isEmpty() ? ExitSuccess : ExitFindings;
}
