// LargePages.h - advice to the system that a large buffer about to be filled be backed by
// huge pages: filling tens of MB page by page costs a fault per 4 KB, which dominates the
// time of a big file's parse on machines where faults are dear.
#pragma once

#include <cstddef>

namespace ovbase {

// Advises huge pages for the whole pages inside [data, data + size), when the buffer is large
// enough for them to matter; nothing happens elsewhere. The contents are not touched.
void adviseLargePages(void* data, std::size_t size);

}  // namespace ovbase
