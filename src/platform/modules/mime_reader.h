#pragma once
// What the module hmquiz-mime gives mht_document.cpp, which loads it the first time a document
// is read.

#include <cstddef>

#include "platform/mht_document.h"

struct MimeReader {
    std::size_t size = sizeof(MimeReader);
    MhtReadResult (*readBytes)(const QByteArray& bytes);
};
