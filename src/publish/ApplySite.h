#pragma once

#include <QString>

struct SiteRecord;
class TSimpleFTP;

// Sets the component up for a connection to the site: server, user, the
// given password, start folder, proxy, passive mode, port, transfer type,
// file system, protocol and the files the secure protocols use. Names are
// still resolved locally (ResolveNames is left alone). Call it while not
// connected: a connected component would change folder at once.
void applySite(const SiteRecord &site, const QString &password, TSimpleFTP &ftp);

// The host keys an SFTP connection checks against: the user's own
// ~/.ssh/known_hosts, the file ssh and sftp keep, so that a server the user
// has already trusted there is known here as well, and one accepted here is
// known to them.
QString knownHostsFile();
