#include "EditableTextContract.h"

#include "editor/TLEdit.h"

namespace {

struct TLEditFactory
{
    static std::unique_ptr<EditableText> make() { return std::make_unique<TLEdit>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(TLEdit, EditableTextContract, TLEditFactory);

} // namespace
