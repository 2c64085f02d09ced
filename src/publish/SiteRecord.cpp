#include "publish/SiteRecord.h"

int defaultPort(TransferProtocol protocol)
{
    return protocol == TransferProtocol::Sftp ? 22 : 21;
}
