// Any bytes as a library file: reading them and building the tree must never
// crash, and the tree must stay well formed.
#include "resources/LibraryTree.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<LibraryRecord> records =
        LibraryRecordFormat::decodeFile(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (records.size() != qsizetype(size) / LibraryRecordFormat::RecordSize)
        std::abort();
    LibraryLists lists;
    const LibraryTree tree = BuildLibraryTree(records, lists, {QStringLiteral("P"), QStringLiteral("PARAM")});
    if (tree.nodes.size() > records.size() || (tree.nodes.size() < records.size() && tree.error.isEmpty()))
        std::abort();
    for (qsizetype at = 0; at < tree.nodes.size(); ++at) {
        const LibraryNode &node = tree.nodes.at(at);
        if (node.parent < -1 || node.parent >= at || node.text.size() > 31)
            std::abort();
    }
    if (lists.ElementAttributes.size() != lists.ElementNames.size())
        std::abort();
    return 0;
}
