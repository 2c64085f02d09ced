#pragma once

#include "publish/SiteRecord.h"

#include <QString>

#include <optional>

// The site's key in the publish record (see normaliseSiteAddress): scheme
// from the protocol ("ftp", "ftps", "sftp"), user, server, port and start
// folder. Nothing when the site names no server.
std::optional<QString> siteAddress(const SiteRecord &site);

// A site read from an address, or the Danish text that says why there is none.
struct AddressedSite
{
    SiteRecord site;
    QString error;
};

// The site of "ftp://", "ftps://" or "sftp://user@host:port/folder" (no
// scheme means ftp), titled by the address. An FTP folder is below the login
// folder ("//abs" is absolute); an SFTP folder is absolute, and "/~/folder"
// is below the login folder. A password in the address is refused, and no
// error text ever repeats the address, since it may carry one.
AddressedSite siteFromAddress(const QString &address);
