// Any bytes as a library file: reading them and building the tree never
// crashes, and the tree stays well formed.
#include "FuzzText.h"
#include "resources/LibraryTree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QList<LibraryRecord> records = LibraryRecordFormat::decodeFile(
        QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    require(records.size() == qsizetype(size) / LibraryRecordFormat::RecordSize);
    LibraryLists lists;
    const LibraryTree tree = BuildLibraryTree(records, lists, {QStringLiteral("P"), QStringLiteral("PARAM")});
    require(tree.nodes.size() == records.size() || (tree.nodes.size() < records.size() && !tree.error.isEmpty()));
    for (qsizetype at = 0; at < tree.nodes.size(); ++at) {
        const LibraryNode &node = tree.nodes.at(at);
        require(node.parent >= -1 && node.parent < at && node.text.size() <= 31);
    }
    require(lists.ElementAttributes.size() == lists.ElementNames.size());
    return 0;
}
