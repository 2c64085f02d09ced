// The publishing window's transfers: the pending transfer, uploads and downloads.
#include "publish/TfrmFtp.h"

bool TfrmFtp::hasPendingFiles() const
{
    return false;
}

void TfrmFtp::clearPending()
{
}
