#pragma once

#include <QtGlobal>

// Bounds on what a server may send, so that a broken or hostile one can
// exhaust neither memory nor disk, nor hold a call forever.
namespace TransferLimits {

// A folder listing is read into memory whole.
constexpr qint64 MaxListingBytes = 64 * 1024 * 1024;
constexpr qint64 MaxListingEntries = 1000000;

// A download stops before the free space of the target's file system falls
// under this (a property of the component; this is its default).
constexpr qint64 DefaultFreeSpaceMargin = 64 * 1024 * 1024;

// A listing or transfer slower than this many bytes a second for the
// component's StallSeconds (by default this many) is taken as stalled: far
// below any real line, far above a server that trickles to hold a call.
constexpr long StalledBytesPerSecond = 16;
constexpr int DefaultStallSeconds = 30;

} // namespace TransferLimits
