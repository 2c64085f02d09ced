#pragma once

// A test that runs on both implementations of the editor seam: the in-memory
// text and the real editor. Use with TYPED_TEST_SUITE(..., EditableTextTypes).
#include "editor/TLEdit.h"
#include "editor/TextBuffer.h"

#include <gtest/gtest.h>

#include <memory>

using EditableTextTypes = ::testing::Types<TextBuffer, TLEdit>;

template <typename T> class EditableTextFixture : public ::testing::Test
{
protected:
    EditableText &withText(const QString &text)
    {
        m_text = std::make_unique<T>();
        m_text->SetText(text);
        return *m_text;
    }
    std::unique_ptr<EditableText> m_text;
};
