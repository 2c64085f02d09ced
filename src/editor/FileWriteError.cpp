#include "editor/FileWriteError.h"

#include <cerrno>

QString FileWriteError::reason() const
{
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("der er ikke mere plads på drevet");
    case EDQUOT:
        return QStringLiteral("din plads på drevet er brugt op");
    case EACCES:
    case EPERM:
        return QStringLiteral("du har ikke tilladelse til at skrive der");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("mappen findes ikke");
    case EROFS:
        return QStringLiteral("drevet er skrivebeskyttet");
    case EISDIR:
        return QStringLiteral("der er en mappe med det navn");
    case ELOOP:
        return QStringLiteral("linket kan ikke følges");
    default:
        break;
    }
    return systemText;
}
