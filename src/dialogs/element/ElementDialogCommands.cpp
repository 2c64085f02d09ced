#include "dialogs/element/ElementDialogCommands.h"

#include "dialogs/element/DialogKinds.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

ElementDialogCommands::ElementDialogCommands(const TfrmDialog::Services &services)
    : QObject(&services.workbench.window())
    , m_services(services)
{
    m_services.noFramesText = &m_noFramesText;
    CommandRegistry &commands = services.workbench.commands();
    const std::pair<const char *, int> entries[] = {
        {"actBasiskoder", DialogKind::Page}, {"actLinie", DialogKind::HorizontalLine}, {"actPunktopstilling", DialogKind::List},
        {"actOrd", DialogKind::Word},        {"actBlok", DialogKind::Block},           {"actGrafik", DialogKind::Image},
        {"actLyd", DialogKind::Sound},       {"actHenvisning", DialogKind::Link},      {"actEmail", DialogKind::Email}};
    for (const auto &[id, kind] : entries)
        commands.handle(QString::fromLatin1(id), [this, kind] { open(kind); });
}

bool ElementDialogCommands::open(int kind)
{
    return OpenElementDialog(kind, m_edit, m_services);
}
