#pragma once

#include <QString>

// The address under which a web server on the user's own machine serves the
// file: a path inside the server's root folder becomes the server's address
// followed by the rest of the path, percent-encoded, with "/" separators.
// The root must be a leading part of the path ending at a folder boundary,
// so "/srv/www" maps "/srv/www/a.html" but not "/srv/www2/a.html" nor
// "/home/x/srv/www/a.html". A path outside the root, or an empty root, keeps
// its text with "/" separators.
QString MapToLocalServer(const QString &path, const QString &serverFolder, const QString &serverAddress);
